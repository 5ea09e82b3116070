<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CardctlText</name>
    <message>
        <source>--%1 is not an option of %2 (it belongs to %3): leave it out</source>
        <translation>--%1 不是 %2 的选项（它属于 %3）：请去掉它</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>batch needs a card list: write cardctl batch FILE --tracks 23</source>
        <translation>batch 需要卡列表：请写 cardctl batch FILE --tracks 23</translation>
    </message>
    <message>
        <source>%1 takes no argument &quot;%2&quot;; options start with --</source>
        <translation>%1 不接受参数“%2”；选项以 -- 开头</translation>
    </message>
    <message>
        <source>--log-utf8 goes with --log FILE: write --log job.log --log-utf8</source>
        <translation>--log-utf8 须与 --log FILE 一起用：请写 --log job.log --log-utf8</translation>
    </message>
    <message>
        <source>--track%1 is not written with --tracks %2: leave it out or choose tracks that hold track %1</source>
        <translation>--tracks %2 不写 --track%1：请去掉它，或选含%1轨的轨道</translation>
    </message>
    <message>
        <source>%1 cardctl --help lists every option.</source>
        <translation>%1 cardctl --help 列出所有选项。</translation>
    </message>
    <message>
        <source>no command given; write one of %1 (cardctl --help shows them all)</source>
        <translation>没有给出命令；请写 %1 之一（cardctl --help 列出全部）</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; write one of %2</source>
        <translation>未知命令“%1”；请写 %2 之一</translation>
    </message>
    <message>
        <source>%1 needs the tracks: add --tracks 1, 2, 3, 12 or 23</source>
        <translation>%1 需要指定轨道：请加上 --tracks 1、2、3、12 或 23</translation>
    </message>
    <message>
        <source>Usage: cardctl COMMAND [options]</source>
        <translation>用法：cardctl 命令 [选项]</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>示例：</translation>
    </message>
    <message>
        <source>a track of the card could not be read: swipe it again</source>
        <translation>这张卡有一轨读取失败：请再刷一次</translation>
    </message>
    <message>
        <source>card read; now %1 blank card to write</source>
        <translation>已读卡；现在要写 %1 张空白卡</translation>
    </message>
    <message>
        <source>card read; now %1 blank cards to write</source>
        <translation>已读卡；现在要写 %1 张空白卡</translation>
    </message>
    <message>
        <source>--log %1 is incomplete: %2</source>
        <translation>--log %1 不完整：%2</translation>
    </message>
    <message>
        <source>--verify reads each card back, but the profile %1 leaves %2 empty, so no card can be read; add %2=0x.. under [Command], or leave out --verify</source>
        <translation>--verify 要读回每张卡，但配置文件 %1 中 %2 为空，无法读卡；请在 [Command] 下加上 %2=0x..，或去掉 --verify</translation>
    </message>
    <message>
        <source>the profile %1 leaves %2 empty, so %3 %4; add %2=0x.. with the device&apos;s bytes under [Command]</source>
        <translation>配置文件 %1 中 %2 为空，因此 %3 %4；请在 [Command] 下加上 %2=0x..，填入设备的字节</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>--resume %1: no such journal yet; writing the list from its first card</source>
        <translation>--resume %1：还没有这个作业记录文件；从列表的第一张卡开始写</translation>
    </message>
    <message>
        <source>--resume %1</source>
        <translation>--resume %1</translation>
    </message>
    <message>
        <source>the job ended while that card was out; look at the card: when it holds its texts, take its row out of the list, else add --rewrite-unsure to write it again. Nothing was sent</source>
        <translation>作业结束时这张卡正在写入；请检查这张卡：如果已写入其数据，请从列表中删去这一行，否则加上 --rewrite-unsure 重新写入。没有发送任何数据</translation>
    </message>
    <message>
        <source>%1 of %2 cards are in the journal; %3 to write</source>
        <translation>%2 张卡中已有 %1 张在作业记录文件中；还要写 %3 张</translation>
    </message>
    <message>
        <source>--records %1: cannot write into %2; name a file in a folder you can write to</source>
        <translation>--records %1：无法写入 %2；请指定一个可写文件夹中的文件</translation>
    </message>
    <message>
        <source>cannot open the port %1: %2; name the device&apos;s port with --port (cardctl ports lists them)</source>
        <translation>无法打开端口 %1：%2；请用 --port 指定设备的端口（cardctl ports 列出端口）</translation>
    </message>
    <message>
        <source>--journal %1; nothing was sent</source>
        <translation>--journal %1；没有发送任何数据</translation>
    </message>
    <message>
        <source>still stopping: the port is closed first</source>
        <translation>仍在停止：先关闭端口</translation>
    </message>
    <message>
        <source>stopping: the device is reset and the files completed</source>
        <translation>正在停止：复位设备并写完文件</translation>
    </message>
    <message>
        <source>swipe a card; Ctrl+C ends</source>
        <translation>请刷卡；按 Ctrl+C 结束</translation>
    </message>
    <message>
        <source>--journal %1; the job stopped</source>
        <translation>--journal %1；作业已停止</translation>
    </message>
    <message>
        <source>stopped with 1 of 1 card not written</source>
        <translation>已停止，1 张卡中有 1 张未写</translation>
    </message>
    <message>
        <source>standard output is closed: stopping</source>
        <translation>标准输出已关闭：正在停止</translation>
    </message>
    <message>
        <source>--records %1</source>
        <translation>--records %1</translation>
    </message>
    <message>
        <source>%1/%2 cards, %3 not confirmed</source>
        <translation>%1/%2 张卡，%3 张未确认</translation>
    </message>
    <message>
        <source>swipe card %1 of %2 to write; %3</source>
        <translation>请刷第 %1/%2 张卡写入；%3</translation>
    </message>
    <message>
        <source>%1 card read</source>
        <translation>已读 %1 张卡</translation>
    </message>
    <message>
        <source>%1 cards read</source>
        <translation>已读 %1 张卡</translation>
    </message>
    <message>
        <source>every read</source>
        <translation>所有读卡</translation>
    </message>
    <message>
        <source>every write</source>
        <translation>所有写卡</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>every job</source>
        <translation>所有作业</translation>
    </message>
    <message>
        <source>sends no read command</source>
        <translation>不发送读卡命令</translation>
    </message>
    <message>
        <source>refuses to start: no card&apos;s data could end</source>
        <translation>无法开始：卡数据无法结束</translation>
    </message>
    <message>
        <source>cannot tell track 1 from track 2</source>
        <translation>无法区分1轨和2轨</translation>
    </message>
    <message>
        <source>cannot tell track 2 from track 3</source>
        <translation>无法区分2轨和3轨</translation>
    </message>
    <message>
        <source>refuses to start</source>
        <translation>无法开始</translation>
    </message>
    <message>
        <source>counts every card as written without waiting for the device</source>
        <translation>不等设备应答就把每张卡算作已写入</translation>
    </message>
    <message>
        <source>does not set high coercivity</source>
        <translation>不设置高抗</translation>
    </message>
    <message>
        <source>does not set the card format</source>
        <translation>不设置卡格式</translation>
    </message>
    <message>
        <source>does not set the track-2 density</source>
        <translation>不设置2轨密度</translation>
    </message>
    <message>
        <source>does not ask the device for its answer</source>
        <translation>不向设备查询结果</translation>
    </message>
    <message>
        <source>ends without resetting the device</source>
        <translation>结束时不复位设备</translation>
    </message>
    <message>
        <source>%1 is empty, so %2 %3</source>
        <translation>%1 为空，因此 %2 %3</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2; name a file in a folder you can write to</source>
        <translation>无法写入日志 %1：%2；请指定一个可写文件夹中的文件</translation>
    </message>
    <message>
        <source>%1 %2: write a whole number from %3 to %4</source>
        <translation>%1 %2：请写 %3 到 %4 之间的整数</translation>
    </message>
    <message>
        <source>%1 %2: write %3 or %4</source>
        <translation>%1 %2：请写 %3 或 %4</translation>
    </message>
    <message>
        <source>%1 %2: name a file ending in .csv or .json</source>
        <translation>%1 %2：请指定以 .csv 或 .json 结尾的文件</translation>
    </message>
    <message>
        <source>--port needs a name: write --port COM1 or --port /dev/ttyUSB0</source>
        <translation>--port 需要端口名：请写 --port COM1 或 --port /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>--line &quot;%1&quot;: write it as &quot;baud=9600 parity=N data=8 stop=1&quot; (parity N, E, O, M or S; data 5 to 8; stop 1, 1.5 or 2)</source>
        <translation>--line “%1”：请写成“baud=9600 parity=N data=8 stop=1”（parity 为 N、E、O、M 或 S；data 为 5 到 8；stop 为 1、1.5 或 2）</translation>
    </message>
    <message>
        <source>--tracks %1: write 1, 2, 3, 12 or 23 (12 and 23 are pairs)</source>
        <translation>--tracks %1：请写 1、2、3、12 或 23（12 和 23 为两轨）</translation>
    </message>
    <message>
        <source>Reads and writes magnetic-stripe cards from a terminal, with the console&apos;s engine,
profile and port names.</source>
        <translation>在终端上读写磁条卡，使用与演示程序相同的引擎、
配置文件和端口名。</translation>
    </message>
    <message>
        <source>Exit status: 0 all done, 1 some card not confirmed, 2 bad arguments or input file
(nothing reached the device), 3 profile or port failure, 4 cards went out but an
output file (--records, --log, --journal) could not be written, 5 the profile has
problems (cardctl profile warned), 130 stopped by Ctrl+C or a closed standard output,
129 stopped by SIGHUP, 143 stopped by SIGTERM.
</source>
        <translation>退出状态：0 全部完成；1 有卡未确认；2 参数或输入文件有误（没有发送给设备）；
3 配置文件或端口出错；4 卡已写出，但输出文件（--records、--log、--journal）
无法写入；5 配置文件有问题（cardctl profile 给出了警告）；130 被 Ctrl+C 或
标准输出关闭而停止；129 被 SIGHUP 停止；143 被 SIGTERM 停止。
</translation>
    </message>
    <message>
        <source>reads cards until --cards N have been read, or Ctrl+C; each card a record on stdout</source>
        <translation>读卡，直到读满 --cards N 张或按 Ctrl+C；每张卡在标准输出上输出一条记录</translation>
    </message>
    <message>
        <source>writes one card from --track1/2/3</source>
        <translation>按 --track1/2/3 写一张卡</translation>
    </message>
    <message>
        <source>a numbered run: --count cards, each text followed by its own number</source>
        <translation>连写：写 --count 张卡，每轨数据后接各自的号码</translation>
    </message>
    <message>
        <source>writes a card list: a CSV with columns track1, track2, track3 (a records file is one), or one value a line for one track</source>
        <translation>按列表写卡：含 track1、track2、track3 列的 CSV（作业记录文件也是），或单轨每行一个值</translation>
    </message>
    <message>
        <source>reads one card, then writes it onto --count blank cards</source>
        <translation>读一张卡，再把它写到 --count 张空白卡上</translation>
    </message>
    <message>
        <source>erases the --tracks of one card (devices whose profile can erase)</source>
        <translation>擦除一张卡的 --tracks 轨（配置文件支持擦卡的设备）</translation>
    </message>
    <message>
        <source>the COMn names and what they reach, then the serial ports found</source>
        <translation>列出 COMn 名称及其对应的设备，然后列出找到的串口</translation>
    </message>
    <message>
        <source>every key of the profile with the bytes it decodes to, and warnings</source>
        <translation>列出配置文件的每个键及其解码出的字节，并给出警告</translation>
    </message>
    <message>
        <source>what answers on --port: an encoder of the ESC-block kind, its model and firmware, and the sample profile that fits</source>
        <translation>检测 --port 上应答的设备：ESC-block 类读写器、其型号和固件，以及适用的示例配置文件</translation>
    </message>
    <message>
        <source>needs a file: write --profile QXProduct.ini</source>
        <translation>需要文件：请写 --profile QXProduct.ini</translation>
    </message>
    <message>
        <source>The device profile (default: QXProduct.ini found as the console finds it).</source>
        <translation>设备配置文件（默认：按演示程序的方式查找 QXProduct.ini）。</translation>
    </message>
    <message>
        <source>The serial port (default COM1), named as in the console.</source>
        <translation>串口（默认 COM1），名称与演示程序中相同。</translation>
    </message>
    <message>
        <source>Line settings (default &quot;baud=9600 parity=N data=8 stop=1&quot;).</source>
        <translation>通信参数（默认“baud=9600 parity=N data=8 stop=1”）。</translation>
    </message>
    <message>
        <source>The track or track pair; every job needs it.</source>
        <translation>轨道或两轨组合；每个作业都需要。</translation>
    </message>
    <message>
        <source>Card format (default iso).</source>
        <translation>卡格式（默认 iso）。</translation>
    </message>
    <message>
        <source>Track-2 density (default low).</source>
        <translation>2轨密度（默认 low）。</translation>
    </message>
    <message>
        <source>Stripe coercivity (default low).</source>
        <translation>磁条矫顽力（默认 low）。</translation>
    </message>
    <message>
        <source>needs a file name: write --log job.log</source>
        <translation>需要文件名：请写 --log job.log</translation>
    </message>
    <message>
        <source>Writes the job log to FILE, GBK as the console&apos;s.</source>
        <translation>把作业日志写入 FILE，与演示程序一样用 GBK 编码。</translation>
    </message>
    <message>
        <source>Writes the --log file in UTF-8 instead.</source>
        <translation>改用 UTF-8 编码写 --log 文件。</translation>
    </message>
    <message>
        <source>Writes the job&apos;s card records to FILE at the end (.csv or .json).</source>
        <translation>作业结束时把卡的作业记录写入 FILE（.csv 或 .json）。</translation>
    </message>
    <message>
        <source>Records on stdout as JSON lines instead of CSV.</source>
        <translation>标准输出上的记录用 JSON 行代替 CSV。</translation>
    </message>
    <message>
        <source>No messages or progress on stderr, only errors.</source>
        <translation>标准错误上不输出消息和进度，只输出错误。</translation>
    </message>
    <message>
        <source>%1 %2: write zh or en</source>
        <translation>%1 %2：请写 zh 或 en</translation>
    </message>
    <message>
        <source>Messages in Chinese (zh) or English (en); by default as CARDDEMO_LANG or the system&apos;s language says.</source>
        <translation>消息用中文（zh）或英文（en）；默认按 CARDDEMO_LANG 或系统语言。</translation>
    </message>
    <message>
        <source>read: stops after N cards have been read.</source>
        <translation>read：读满 N 张卡后停止。</translation>
    </message>
    <message>
        <source>write, run: the track-1 text.</source>
        <translation>write、run：1轨数据。</translation>
    </message>
    <message>
        <source>write, run: the track-2 text.</source>
        <translation>write、run：2轨数据。</translation>
    </message>
    <message>
        <source>write, run: the track-3 text.</source>
        <translation>write、run：3轨数据。</translation>
    </message>
    <message>
        <source>run: cards in the run, %1 (default 1); clone: blank cards (default 1).</source>
        <translation>run：连写的卡数，%1（默认 1）；clone：空白卡数（默认 1）。</translation>
    </message>
    <message>
        <source>run: track 1&apos;s first number, %1 (default %2).</source>
        <translation>run：1轨起始数，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: track 1&apos;s increment, %1 (default %2).</source>
        <translation>run：1轨增量，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: track 2&apos;s first number, %1 (default %2).</source>
        <translation>run：2轨起始数，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: track 2&apos;s increment, %1 (default %2).</source>
        <translation>run：2轨增量，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: track 3&apos;s first number, %1 (default %2).</source>
        <translation>run：3轨起始数，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: track 3&apos;s increment, %1 (default %2).</source>
        <translation>run：3轨增量，%1（默认 %2）。</translation>
    </message>
    <message>
        <source>run: pads each number with zeros to N digits; the track limits count them.</source>
        <translation>run：号码前补 0 到 N 位；补的 0 计入轨道长度限制。</translation>
    </message>
    <message>
        <source>run, batch, clone: a card the device refuses N times in a row ends the job with status 1 (default 3; 0 writes it again until confirmed).</source>
        <translation>run、batch、clone：设备连续 N 次拒写一张卡时结束作业，状态为 1（默认 3；0 表示一直重写到确认为止）。</translation>
    </message>
    <message>
        <source>needs a file name: write --journal journal.csv</source>
        <translation>需要文件名：请写 --journal journal.csv</translation>
    </message>
    <message>
        <source>Appends each card&apos;s record to FILE (records CSV) as soon as it is logged, synced to the disk card by card.</source>
        <translation>每张卡记入日志后立即把它的记录追加到 FILE（作业记录 CSV），逐张同步到磁盘。</translation>
    </message>
    <message>
        <source>needs a file name: write --resume journal.csv</source>
        <translation>需要文件名：请写 --resume journal.csv</translation>
    </message>
    <message>
        <source>batch: leaves out the cards JOURNAL shows written and confirmed (none when JOURNAL is not there yet); name it with --journal too to go on appending to it.</source>
        <translation>batch：跳过 JOURNAL 中已写入并确认的卡（JOURNAL 还不存在时不跳过）；同时用 --journal 指定它，可继续追加。</translation>
    </message>
    <message>
        <source>batch --resume: writes again a card JOURNAL shows in flight when the job ended (it may be on its card already); without it such a card is named and nothing is sent.</source>
        <translation>batch --resume：重写 JOURNAL 中作业结束时正在写入的卡（它可能已写到卡上）；不加此选项时只指出这张卡，不发送任何数据。</translation>
    </message>
    <message>
        <source>write, run, batch, clone: reads each confirmed card back (swipe it again) and writes it again on the next blank when it differs.</source>
        <translation>write、run、batch、clone：读回校验每张已确认的卡（再刷一次），不一致时在下一张空白卡上重写。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>(no description)</source>
        <translation>（无说明）</translation>
    </message>
    <message>
        <source>(not present)</source>
        <translation>（不存在）</translation>
    </message>
    <message>
        <source>answered 79 (the bridge lost the ESC)</source>
        <translation>应答 79（转接器丢了 ESC）</translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>应答 %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>Port: %1
Communication test (1b 65): %2
</source>
        <translation>端口：%1
通信测试（1b 65）：%2
</translation>
    </message>
    <message>
        <source>No encoder of the ESC-block kind answered. A device of the commands family
answers only its own profile&apos;s bytes: try a read with its profile
(cardctl read --tracks 2 --profile QXProduct.ini).
</source>
        <translation>没有 ESC-block 类读写器应答。commands 类设备只应答
它自己配置文件中的字节：请用它的配置文件试读一次
（cardctl read --tracks 2 --profile QXProduct.ini）。
</translation>
    </message>
    <message>
        <source>not told</source>
        <translation>未告知</translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
</source>
        <translation>型号：%1
固件：%2
</translation>
    </message>
    <message>
        <source>Family: esc-block; the sample profile esc-block.ini (beside QXProduct.ini) fits:
copy it to QXProduct.ini, or give it with --profile esc-block.ini.
</source>
        <translation>类型：esc-block；适用示例配置文件 esc-block.ini（在 QXProduct.ini 旁边）：
把它复制为 QXProduct.ini，或用 --profile esc-block.ini 指定。
</translation>
    </message>
    <message>
        <source>cannot open the port %1: %2 (cardctl ports lists them)</source>
        <translation>无法打开端口 %1：%2（cardctl ports 列出端口）</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>cannot read the profile %1: %2; name the device&apos;s profile with --profile PATH</source>
        <translation>无法读取配置文件 %1：%2；请用 --profile PATH 指定设备的配置文件</translation>
    </message>
    <message>
        <source>track-%1 texts</source>
        <translation>%1轨数据</translation>
    </message>
    <message>
        <source>track-%1 texts at low density</source>
        <translation>低密度的%1轨数据</translation>
    </message>
    <message>
        <source>track-%1 texts at high density</source>
        <translation>高密度的%1轨数据</translation>
    </message>
    <message>
        <source>%1 characters are no run of four-character groups (0x and two digits), so the key is left empty</source>
        <translation>%1 个字符不是若干个四字符组（0x 加两位数字），因此该键为空</translation>
    </message>
    <message>
        <source>%1 bytes, but a command holds at most %2, so the key is left empty</source>
        <translation>%1 个字节，但命令最多 %2 个字节，因此该键为空</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (upper case) read as f, so the bytes are %2; write %3</source>
        <translation>“%1”（大写）读作 f，因此字节为 %2；请写 %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (no hex digit) read as f, so the bytes are %2</source>
        <translation>“%1”（不是十六进制数字）读作 f，因此字节为 %2</translation>
    </message>
    <message>
        <source>0x00 ends the command at once, so the key is empty</source>
        <translation>0x00 立即结束命令，因此该键为空</translation>
    </message>
    <message>
        <source>0x00 ends the command, so only %1 is sent or compared</source>
        <translation>0x00 结束命令，因此只发送或比较 %1</translation>
    </message>
    <message>
        <source>%1: unknown key; did you mean %2?</source>
        <translation>%1：未知的键；是不是 %2？</translation>
    </message>
    <message>
        <source>%1: unknown key</source>
        <translation>%1：未知的键</translation>
    </message>
    <message>
        <source>- (the device&apos;s own)</source>
        <translation>-（设备自身的设置）</translation>
    </message>
    <message>
        <source>0 (waits until Stop)</source>
        <translation>0（一直等到停止）</translation>
    </message>
    <message>
        <source>LeadingZeros13 and LeadingZeros2 are sent together: with one of them alone neither is sent</source>
        <translation>LeadingZeros13 和 LeadingZeros2 一起发送：只设其中一个时两个都不发送</translation>
    </message>
    <message>
        <source>The [Command] keys are ignored: the esc-block family sends its own frames.</source>
        <translation>[Command] 下的键不起作用：esc-block 类设备发送它自己的帧。</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>配置文件：%1</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1（默认）</translation>
    </message>
    <message>
        <source>%1=%2: not a number, read as %3</source>
        <translation>%1=%2：不是数字，读作 %3</translation>
    </message>
    <message>
        <source>%1 is %2: 0 or less sets no limit on %3 (%4 bytes at most still hold)</source>
        <translation>%1 为 %2：0 或更小不限制%3（仍最多 %4 个字节）</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>没有警告。</translation>
    </message>
    <message>
        <source>%1 warning:</source>
        <translation>%1 个警告：</translation>
    </message>
    <message>
        <source>%1 warnings:</source>
        <translation>%1 个警告：</translation>
    </message>
    <message>
        <source>standard output&apos;s records</source>
        <translation>标准输出上的记录</translation>
    </message>
    <message>
        <source>the records in %1</source>
        <translation>%1 中的记录</translation>
    </message>
    <message>
        <source>the journal %1 lacks cards: this run&apos;s confirmed ones are %2 (status ok or unverified); leave them out of the list, and those the journal held, before writing the rest</source>
        <translation>作业记录文件 %1 缺少卡：本次已确认的卡见%2（状态为 ok 或 unverified）；写其余的卡前，请从列表中删去这些卡及作业记录文件中已有的卡</translation>
    </message>
    <message>
        <source>run the same batch with --resume %1 --journal %1</source>
        <translation>请用 --resume %1 --journal %1 运行同样的 batch</translation>
    </message>
    <message>
        <source>run the same batch with --resume %1</source>
        <translation>请用 --resume %1 运行同样的 batch</translation>
    </message>
    <message>
        <source>run the same batch with --resume FILE after a run with --journal FILE</source>
        <translation>请先用 --journal FILE 运行，再用 --resume FILE 运行同样的 batch</translation>
    </message>
    <message>
        <source>run the rest with --count %1 and each start number moved on %2 steps</source>
        <translation>请用 --count %1 写其余的卡，每个起始数向后移 %2 步</translation>
    </message>
    <message>
        <source>clone again with --count %1</source>
        <translation>请用 --count %1 再次 clone</translation>
    </message>
    <message>
        <source>%1 of %2 cards confirmed, %3 left; to go on, %4</source>
        <translation>%2 张卡中已确认 %1 张，还剩 %3 张；要继续，%4</translation>
    </message>
    <message>
        <source>no byte from the device for %1 s: %2 -&gt; %3; still waiting, Ctrl+C ends</source>
        <translation>设备已 %1 秒没有发来字节：%2 -&gt; %3；仍在等待，按 Ctrl+C 结束</translation>
    </message>
    <message>
        <source>the limit is %1, at most %2 bytes</source>
        <translation>限制为 %1，最多 %2 个字节</translation>
    </message>
    <message>
        <source>write --tracks %1 needs the text of track %2: add %3 TEXT</source>
        <translation>write --tracks %1 需要%2轨数据：请加上 %3 TEXT</translation>
    </message>
    <message>
        <source>%1: %2; shorten it (%3) and use characters GBK can encode</source>
        <translation>%1：%2；请缩短它（%3），并使用 GBK 能编码的字符</translation>
    </message>
    <message>
        <source>%1: %2; use characters GBK can encode</source>
        <translation>%1：%2；请使用 GBK 能编码的字符</translation>
    </message>
    <message>
        <source>%1 with the number %2 (one step past the last card): %3; shorten the text or lower --count, --start%4, --step%4 or --digits (%5)</source>
        <translation>%1 加上号码 %2（最后一张卡的下一步）：%3；请缩短数据，或减小 --count、--start%4、--step%4 或 --digits（%5）</translation>
    </message>
    <message>
        <source>%1 with the number %2 (one step past the last card): %3; shorten the text or lower --count, --start%4 or --step%4 (%5)</source>
        <translation>%1 加上号码 %2（最后一张卡的下一步）：%3；请缩短数据，或减小 --count、--start%4 或 --step%4（%5）</translation>
    </message>
    <message>
        <source>commands or esc-block</source>
        <translation>commands 或 esc-block</translation>
    </message>
    <message>
        <source>210 or 75</source>
        <translation>210 或 75</translation>
    </message>
    <message>
        <source>a count from 0 to 255</source>
        <translation>0 到 255 之间的数</translation>
    </message>
    <message>
        <source>5 to 8, or three such numbers separated by commas</source>
        <translation>5 到 8，或以逗号分隔的三个这样的数</translation>
    </message>
    <message>
        <source>milliseconds (0 waits until Stop)</source>
        <translation>毫秒数（0 表示一直等到停止）</translation>
    </message>
    <message>
        <source>serial or hid</source>
        <translation>serial 或 hid</translation>
    </message>
    <message>
        <source>a USB id, four hex digits such as %1</source>
        <translation>USB 标识，四位十六进制数，例如 %1</translation>
    </message>
    <message>
        <source>%1=%2: expected %3</source>
        <translation>%1=%2：应为%3</translation>
    </message>
</context>
</TS>
