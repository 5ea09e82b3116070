<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutText</name>
    <message>
        <source>欢迎使用<byte value="xd"/>
磁条读写器演示程序！<byte value="xd"/>
<byte value="xd"/>
经串口驱动磁条卡读写器，<byte value="xd"/>
可循环读卡、单张写卡<byte value="xd"/>
及连续编号写卡。<byte value="xd"/>
<byte value="xd"/>
没有设备也可试用：<byte value="xd"/>
模拟器 cardsim 可在<byte value="xd"/>
伪终端上扮演读写器。<byte value="xd"/>
<byte value="xd"/>
设备的命令字节取自<byte value="xd"/>
程序旁的 QXProduct.ini。<byte value="xd"/>
<byte value="xd"/>
Ver 1.0</source>
        <translation>Welcome to the<byte value="xd"/>
Card Reader/Writer Demo!<byte value="xd"/>
<byte value="xd"/>
It drives a magnetic card<byte value="xd"/>
reader/writer on a serial port:<byte value="xd"/>
read cards in a loop, write one<byte value="xd"/>
or a numbered run of cards.<byte value="xd"/>
<byte value="xd"/>
No device? Try it anyway:<byte value="xd"/>
the simulator cardsim plays<byte value="xd"/>
a reader on a pseudo-terminal.<byte value="xd"/>
<byte value="xd"/>
The device&apos;s command bytes<byte value="xd"/>
come from QXProduct.ini<byte value="xd"/>
beside the program.<byte value="xd"/>
<byte value="xd"/>
Ver 1.0</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>%1轨</source>
        <translation>track %1</translation>
    </message>
    <message>
        <source>无法读取文件：%1</source>
        <translation>cannot read the file: %1</translation>
    </message>
    <message>
        <source>文件太大（超过%1 MB）</source>
        <translation>the file is too large (over %1 MB)</translation>
    </message>
    <message>
        <source>不是作业记录文件：第一行应为作业记录的CSV表头</source>
        <translation>not a journal: its first line must be the records CSV header</translation>
    </message>
    <message>
        <source>这张已写入的卡不在列表%1中（或多于列表中的同样的卡）</source>
        <translation>this written card is not in the list %1 (or there are more of it than the list has)</translation>
    </message>
    <message>
        <source>卡%1可能已写入，请检查：</source>
        <translation>card %1 may have been written, check it: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>列表中没有卡</source>
        <translation>the list holds no card</translation>
    </message>
    <message>
        <source>不是文本文件（含有NUL字节）</source>
        <translation>not a text file (it holds NUL bytes)</translation>
    </message>
    <message>
        <source>是UTF-16文本，请另存为UTF-8</source>
        <translation>UTF-16 text: save it as UTF-8</translation>
    </message>
    <message>
        <source>不是文本文件（既不是UTF-8也不是GBK编码）</source>
        <translation>not a text file (neither UTF-8 nor GBK)</translation>
    </message>
    <message>
        <source>表头不明：没有track1、track2或track3列</source>
        <translation>unknown header: no track1, track2 or track3 column</translation>
    </message>
    <message>
        <source>缺少表头：%1，%2轨的列表第一行须是列名（%3,%4）</source>
        <translation>no header: a list for tracks %1 and %2 must begin with the column names (%3,%4)</translation>
    </message>
    <message>
        <source>表头中没有%1列</source>
        <translation>the header has no %1 column</translation>
    </message>
    <message>
        <source>要写入它，请选%1轨</source>
        <translation>to write it, choose tracks %1</translation>
    </message>
    <message>
        <source>它须另以%1轨写入</source>
        <translation>it takes a job of its own on track %1</translation>
    </message>
    <message>
        <source>%1列有数据，但所选轨道不写%2：%3（--tracks %4）</source>
        <translation>the %1 column has data, but the tracks chosen do not write %2: %3 (--tracks %4)</translation>
    </message>
    <message>
        <source>表头中%1列出现了不止一次</source>
        <translation>the header has the %1 column more than once</translation>
    </message>
    <message>
        <source>这一行有%1个字段，表头只有%2列（值中的逗号须加引号）</source>
        <translation>this line has %1 fields, the header only %2 columns (a comma in a value needs quotes)</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>引号后面有多余的字符</source>
        <translation>text after a closing quote</translation>
    </message>
    <message>
        <source>行太长（超过%1个字节）</source>
        <translation>the line is too long (over %1 bytes)</translation>
    </message>
    <message>
        <source>缺少%1数据</source>
        <translation>no %1 data</translation>
    </message>
    <message>
        <source>%1数据中的“%2”无法用GBK编码</source>
        <translation>&quot;%2&quot; in the %1 data cannot be written in GBK</translation>
    </message>
    <message>
        <source>%1数据%2个字节，超过%3个字节的限制</source>
        <translation>%1 data of %2 bytes, over the limit of %3 bytes</translation>
    </message>
    <message>
        <source>……另有%1行有误</source>
        <translation>... and %1 more bad lines</translation>
    </message>
    <message>
        <source>……另有%1条记录有误</source>
        <translation>... and %1 more bad records</translation>
    </message>
    <message>
        <source>第%1条记录：</source>
        <translation>record %1: </translation>
    </message>
    <message>
        <source>不是导出的JSON作业记录（%1）</source>
        <translation>not exported JSON records (%1)</translation>
    </message>
    <message>
        <source>%1_hex不是十六进制数据</source>
        <translation>%1_hex is not hexadecimal</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>ConsoleTexts</name>
    <message>
        <source>换行</source>
        <translation>line break</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>space</translation>
    </message>
    <message>
        <source>制表符</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>查看日志(&amp;L)</source>
        <translation>View &amp;log</translation>
    </message>
    <message>
        <source>保存日志(&amp;S)...</source>
        <translation>&amp;Save log...</translation>
    </message>
    <message>
        <source>导出作业记录(&amp;E)...</source>
        <translation>&amp;Export records...</translation>
    </message>
    <message>
        <source>按列表写卡(&amp;W)...</source>
        <translation>&amp;Write a card list...</translation>
    </message>
    <message>
        <source>擦除磁卡(&amp;D)...</source>
        <translation>Erase a car&amp;d...</translation>
    </message>
    <message>
        <source>请选择要擦除的轨道，然后刷卡：</source>
        <translation>Choose the tracks to erase, then swipe the card:</translation>
    </message>
    <message>
        <source>%1轨</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>端口上是什么设备，可用命令 cardctl probe --port 端口名 查看。</source>
        <translation>To see what answers on a port, run cardctl probe --port PORT.</translation>
    </message>
    <message>
        <source>写后校验(&amp;V)</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message>
        <source>作业记录自动保存(&amp;J)...</source>
        <translation>Keep a &amp;journal...</translation>
    </message>
    <message>
        <source>连写号码位数(&amp;N)...</source>
        <translation>&amp;Number width...</translation>
    </message>
    <message>
        <source>连写号码位数</source>
        <translation>Number width</translation>
    </message>
    <message>
        <source>连写时号码前补0，补足的位数（0为不补）：</source>
        <translation>Pad numbered runs with zeros to this many digits (0: no padding):</translation>
    </message>
    <message>
        <source>作业记录自动保存</source>
        <translation>Keep a journal</translation>
    </message>
    <message>
        <source>作业记录.csv</source>
        <translation>journal.csv</translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>
无法从作业记录得知哪些卡已写入。仍然写入整个列表？</source>
        <translation>
The journal cannot tell which cards were written. Write the whole list anyway?</translation>
    </message>
    <message>
        <source>
作业结束时这张卡正在写入。再写一次？</source>
        <translation>
This card was being written when the job ended. Write it again?</translation>
    </message>
    <message>
        <source>
作业记录已关闭，写卡已停止。</source>
        <translation>
The journal is closed and writing has stopped.</translation>
    </message>
    <message>
        <source>保存日志</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>作业日志.txt</source>
        <translation>job log.txt</translation>
    </message>
    <message>
        <source>UTF-8文本文件 (*.txt)</source>
        <translation>UTF-8 text files (*.txt)</translation>
    </message>
    <message>
        <source>GBK文本文件 (*.txt)</source>
        <translation>GBK text files (*.txt)</translation>
    </message>
    <message>
        <source>导出作业记录</source>
        <translation>Export records</translation>
    </message>
    <message>
        <source>JSON文件 (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>按列表写卡</source>
        <translation>Write a card list</translation>
    </message>
    <message>
        <source>卡列表 (*.csv *.json *.txt)</source>
        <translation>Card lists (*.csv *.json *.txt)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>接着写：再按列表写卡（Ctrl+L）选同一列表，在询问时选“是”，跳过作业记录中已写入的卡。</source>
        <translation>To go on: write the list again (Ctrl+L), choose the same list and answer Yes to skip the cards the journal has as written.</translation>
    </message>
    <message>
        <source>接着写：用“导出作业记录”（Ctrl+E）存为CSV文件，再用“作业记录自动保存”选该文件，然后按列表写卡（Ctrl+L）选同一列表，在询问时选“是”，跳过已写入的卡。</source>
        <translation>To go on: save the records as a CSV file with &quot;Export records&quot; (Ctrl+E), choose that file with &quot;Keep a journal&quot;, then write the list again (Ctrl+L), choose the same list and answer Yes to skip the written cards.</translation>
    </message>
    <message>
        <source>写好的卡读回校验失败：
%1</source>
        <translation>The written card did not read back as written:
%1</translation>
    </message>
    <message>
        <source>按列表写卡需在“写卡”模式下进行，请先点“写卡”。</source>
        <translation>Card lists are written in Write mode: click &quot;Write&quot; first.</translation>
    </message>
    <message>
        <source>不在ISO/IEC 7811 %1轨字符集内的字符：%2</source>
        <translation>Characters outside the ISO/IEC 7811 track %1 set: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>超出ISO/IEC 7811 %1轨的容量：标准最多%2个字符，现有%3个（含起止符和校验符）</source>
        <translation>Over the ISO/IEC 7811 track %1 capacity: at most %2 characters, here %3 (sentinels and check character included)</translation>
    </message>
    <message>
        <source>（作业记录自动保存：%1）</source>
        <translation> (journal: %1)</translation>
    </message>
    <message>
        <source>（设备无应答：%1）</source>
        <translation> (device silent: %1)</translation>
    </message>
    <message>
        <source>（设备无应答：%1 → %2）</source>
        <translation> (device silent: %1 → %2)</translation>
    </message>
    <message>
        <source>ports文件夹中没有%1的链接，将打开%2</source>
        <translation>No link for %1 in the ports folder; %2 will be opened</translation>
    </message>
    <message>
        <source>%1轨%2个数据：</source>
        <translation>Track %1: %2 chars</translation>
    </message>
    <message>
        <source>请选择一操作轨道！</source>
        <translation>Choose a track to work on!</translation>
    </message>
    <message>
        <source>请输入一个介于 %1 和 %2 之间的整数。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>请输入一个整数。</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message numerus="yes">
        <source>列表共%n张卡，其中%1张已写入（见作业记录）。跳过已写入的卡？</source>
        <translation>
            <numerusform>The list has %n card, %1 of them already written (see the journal). Skip the written cards?</numerusform>
            <numerusform>The list has %n cards, %1 of them already written (see the journal). Skip the written cards?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表共%n张卡，写入%1。</source>
        <translation>
            <numerusform>The list has %n card, to be written on %1.</numerusform>
            <numerusform>The list has %n cards, to be written on %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表写卡完成：%n张全部写入并确认。</source>
        <translation>
            <numerusform>List done: %n card written and confirmed.</numerusform>
            <numerusform>List done: all %n cards written and confirmed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表未写完：已确认%n张，还剩%1张。
</source>
        <translation>
            <numerusform>List not finished: %n card confirmed, %1 left.
</numerusform>
            <numerusform>List not finished: %n cards confirmed, %1 left.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关于 磁条读写器演示程序</source>
        <translation>About the Card Reader/Writer Demo</translation>
    </message>
    <message>
        <source>系统设置区</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>高|低:</source>
        <translation>Hi|Lo:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Form:</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>校验位:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>数据位:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>停止位:</source>
        <translation>Stop:</translation>
    </message>
    <message>
        <source>设备参数设定</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>端口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>磁介质特性:</source>
        <translation>Coercivity:</translation>
    </message>
    <message>
        <source>通信参数设定</source>
        <translation>Serial line</translation>
    </message>
    <message>
        <source>读卡</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写卡</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>2轨0个数据：</source>
        <translation>Track 2: 0 chars</translation>
    </message>
    <message>
        <source>3轨0个数据：</source>
        <translation>Track 3: 0 chars</translation>
    </message>
    <message>
        <source>1轨0个数据：</source>
        <translation>Track 1: 0 chars</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>1轨</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>2轨</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>3轨</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>1&amp;&amp;2轨</source>
        <translation>T1&amp;&amp;2</translation>
    </message>
    <message>
        <source>2&amp;&amp;3轨</source>
        <translation>T2&amp;&amp;3</translation>
    </message>
    <message>
        <source>连写</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>起始数</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>增量</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>功能区</source>
        <translation>Jobs</translation>
    </message>
    <message>
        <source>Velto磁条读写器演示程序</source>
        <translation>Velto Card Reader/Writer Demo</translation>
    </message>
    <message>
        <source>2轨低密</source>
        <translation>T2 low</translation>
    </message>
    <message>
        <source>2轨高密</source>
        <translation>T2 high</translation>
    </message>
    <message>
        <source>低抗</source>
        <translation>LoCo</translation>
    </message>
    <message>
        <source>高抗</source>
        <translation>HiCo</translation>
    </message>
</context>
<context>
    <name>JobText</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>第%1/%2张：</source>
        <translation>Card %1/%2: </translation>
    </message>
    <message>
        <source>第%1/%2张卡连续%3次写入未成功，停止写卡：</source>
        <translation>Card %1/%2 was not written in %3 tries in a row; writing stopped: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1轨 </source>
        <translation>track %1 </translation>
    </message>
    <message>
        <source>请输入%1轨信息！</source>
        <translation>Enter the track %1 text!</translation>
    </message>
    <message>
        <source>请重新设定%1轨连写参数！</source>
        <translation>Set the track %1 numbering again!</translation>
    </message>
    <message>
        <source>%1轨数据超过119个字节！</source>
        <translation>Track %1 text is over 119 bytes!</translation>
    </message>
    <message>
        <source>未知状态</source>
        <translation>unknown status</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>success</translation>
    </message>
    <message>
        <source>读写错误</source>
        <translation>read/write error</translation>
    </message>
    <message>
        <source>命令格式错误</source>
        <translation>bad command format</translation>
    </message>
    <message>
        <source>无效命令</source>
        <translation>invalid command</translation>
    </message>
    <message>
        <source>刷卡错误（过快、过慢或没有卡）</source>
        <translation>swipe error (too fast, too slow or no card)</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>operation failed</translation>
    </message>
    <message>
        <source>矫顽力</source>
        <translation>coercivity</translation>
    </message>
    <message>
        <source>记录密度</source>
        <translation>recording density</translation>
    </message>
    <message>
        <source>每字符位数</source>
        <translation>bits per character</translation>
    </message>
    <message>
        <source>前导零</source>
        <translation>leading zeros</translation>
    </message>
    <message>
        <source>设置%1失败：</source>
        <translation>Setting the %1 failed: </translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>&quot;%1&quot; </translation>
    </message>
    <message>
        <source>%1轨数据含有设备不能写入的字符%2（0x%3）！</source>
        <translation>Track %1 text holds a character the device cannot write: %2(0x%3)!</translation>
    </message>
    <message>
        <source>读取%1轨失败</source>
        <translation>Reading track %1 failed</translation>
    </message>
    <message>
        <source>写%1轨失败！</source>
        <translation>Writing track %1 failed!</translation>
    </message>
    <message>
        <source>请再刷一次刚写好的卡，以校验写入的数据</source>
        <translation>Swipe the card just written once more to verify it</translation>
    </message>
    <message>
        <source>未读回校验：作业在读回前结束</source>
        <translation>Not verified: the job ended before the read-back</translation>
    </message>
    <message>
        <source>读回校验成功</source>
        <translation>Read-back verified</translation>
    </message>
    <message>
        <source>%1轨校验失败：读卡失败</source>
        <translation>Track %1 not verified: the read failed</translation>
    </message>
    <message>
        <source>%1轨校验失败：读回的数据与写入的不同（写入：%2，读回：%3）</source>
        <translation>Track %1 not verified: it read back other data (written: %2, read: %3)</translation>
    </message>
    <message>
        <source>端口%1打开失败：%2</source>
        <translation>Port %1 would not open: %2</translation>
    </message>
    <message>
        <source>端口%1通信中断：%2</source>
        <translation>Port %1 broke off: %2</translation>
    </message>
    <message>
        <source>配置文件QXProduct.ini缺少%1，无法读卡</source>
        <translation>The profile QXProduct.ini lacks %1; cannot read</translation>
    </message>
    <message>
        <source>配置文件QXProduct.ini缺少%1，无法写卡</source>
        <translation>The profile QXProduct.ini lacks %1; cannot write</translation>
    </message>
    <message>
        <source>设备状态%1：%2</source>
        <translation>Device status %1: %2</translation>
    </message>
    <message>
        <source>等待刷卡超时</source>
        <translation>No card was swiped in time</translation>
    </message>
    <message>
        <source>设备无应答</source>
        <translation>The device does not answer</translation>
    </message>
    <message>
        <source>该设备只能写ISO格式的卡，请把卡格式改为ISO</source>
        <translation>This device writes ISO cards only; set the card format to ISO</translation>
    </message>
    <message>
        <source>擦除%1轨成功</source>
        <translation>Track %1 erased</translation>
    </message>
    <message>
        <source>擦除%1轨失败！</source>
        <translation>Erasing track %1 failed!</translation>
    </message>
    <message>
        <source>配置文件QXProduct.ini没有擦卡命令，无法擦卡</source>
        <translation>The profile QXProduct.ini has no erase command; cannot erase</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1&amp;%2</translation>
    </message>
    <message numerus="yes">
        <source>第%1次成功读取，共读取%n个%2轨数据</source>
        <translation>
            <numerusform>Read %1 succeeded: %n character of track %2</numerusform>
            <numerusform>Read %1 succeeded: %n characters of track %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>共读取%n个%1轨数据</source>
        <translation>
            <numerusform>%n character of track %1</numerusform>
            <numerusform>%n characters of track %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>写%1轨成功，共写入%n个数据</source>
        <translation>
            <numerusform>Track %1 written: %n character</numerusform>
            <numerusform>Track %1 written: %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表写卡结束：成功%n张，未成功%1次</source>
        <translation>
            <numerusform>List writing ended: %n card written, %1 refused</numerusform>
            <numerusform>List writing ended: %n cards written, %1 refused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表已全部写完：共%n张</source>
        <translation>
            <numerusform>The whole list is written: %n card</numerusform>
            <numerusform>The whole list is written: %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>列表未写完：已确认%n张，还剩%1张，可凭作业记录接着写</source>
        <translation>
            <numerusform>The list is not finished: %n card confirmed, %1 left; the journal lets you go on</numerusform>
            <numerusform>The list is not finished: %n cards confirmed, %1 left; the journal lets you go on</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>关于 磁条读写器演示程序(&amp;A)...</source>
        <translation>&amp;About the Card Reader/Writer Demo...</translation>
    </message>
</context>
<context>
    <name>WholeFileText</name>
    <message>
        <source>%1: 无法写入：%2</source>
        <translation>%1: cannot write: %2</translation>
    </message>
</context>
</TS>
