#include "job_texts.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "gbk.h"

namespace JobTexts {
namespace {

// The texts are written in Chinese and shown in the operator's language.
struct JobText {
    Q_DECLARE_TR_FUNCTIONS(JobText)
};

std::string Gbk(const QString& text) {
    return Utf8ToGbk(text.toStdString());
}

// A text as one line of the log, ended by CR LF.
std::string Line(const QString& text) {
    return Gbk(text) + "\r\n";
}

std::string CString(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

// GBK card bytes as one line of log text: control bytes, DEL and bytes that start no
// character become \xNN and a backslash \\; a double-byte character stays whole, since
// its trail byte may be a backslash.
std::string EscapedGbk(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const auto trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        if (byte >= 0x81 && byte <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
            text += bytes.substr(i++, 2);
        } else if (byte == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            text += escaped;
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

// The keys (UTF-8) listed as "WriteTack2、WriteTail" in the message's %1.
std::string MissingKeys(const std::vector<std::string_view>& keys, const QString& message) {
    QString list;
    for (const std::string_view key : keys) {
        if (!list.isEmpty()) list += JobText::tr("、");
        list += QString::fromUtf8(key);
    }
    return Line(message.arg(list));
}

}  // namespace

const std::string& HyphenLine() {
    static const std::string line = std::string(54, '-') + "\r\n";
    return line;
}

std::string ReadSuccess(int track, int number, int count, std::string_view data) {
    return Line(JobText::tr("第%1次成功读取，共读取%n个%2轨数据", nullptr, count)
                    .arg(number)
                    .arg(track)) +
           CString(data) + "\r\n";
}

std::string ReadFailure(int track) {
    return Line(JobText::tr("读取%1轨失败").arg(track));
}

std::string ReadSecondTrack(int track, int count, std::string_view data) {
    return HyphenLine() + Line(JobText::tr("共读取%n个%1轨数据", nullptr, count).arg(track)) +
           CString(data) + "\r\n" + HyphenLine();
}

std::string WriteSuccess(int track, int count, std::string_view data) {
    return Line(JobText::tr("写%1轨成功，共写入%n个数据", nullptr, count).arg(track)) + CString(data) +
           "\r\n";
}

std::string TrackPair(int first, int second) {
    return JobText::tr("%1，%2").arg(first).arg(second).toStdString();
}

std::string WriteFailure(std::string_view tracks) {
    return Line(JobText::tr("写%1轨失败！").arg(QString::fromUtf8(tracks)));
}

std::string ListCardPrefix(int card, int cards) {
    return Gbk(JobText::tr("第%1/%2张：").arg(card).arg(cards));
}

std::string ListWriteEnd(int written, int refused) {
    return Line(JobText::tr("列表写卡结束：成功%n张，未成功%1次", nullptr, written).arg(refused));
}

std::string ListWriteComplete(int cards) {
    return Line(JobText::tr("列表已全部写完：共%n张", nullptr, cards));
}

std::string ListWriteLeft(int confirmed, int left) {
    return Line(
        JobText::tr("列表未写完：已确认%n张，还剩%1张，可凭作业记录接着写", nullptr, confirmed)
            .arg(left));
}

std::string TriesExhausted(int card, int cards, int tries,
                           const std::vector<std::pair<int, std::string>>& values) {
    std::string text = Gbk(
        JobText::tr("第%1/%2张卡连续%3次写入未成功，停止写卡：").arg(card).arg(cards).arg(tries));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += Gbk(JobText::tr("，"));
        text += Gbk(JobText::tr("%1轨 ").arg(values[i].first)) + CString(values[i].second);
    }
    return text + "\r\n";
}

std::string SwipeToVerify() {
    return Line(JobText::tr("请再刷一次刚写好的卡，以校验写入的数据"));
}

std::string VerifyNotDone() {
    return Line(JobText::tr("未读回校验：作业在读回前结束"));
}

std::string VerifyPassed() {
    return Line(JobText::tr("读回校验成功"));
}

std::string VerifyReadFailed(int track) {
    return Line(JobText::tr("%1轨校验失败：读卡失败").arg(track));
}

std::string VerifyDiffers(int track, std::string_view written, std::string_view readBack) {
    // The card's bytes stay bytes: split around them, the text is translated whole.
    const QStringList parts =
        JobText::tr("%1轨校验失败：读回的数据与写入的不同（写入：%2，读回：%3）")
            .arg(track)
            .split(QStringLiteral("%2"));
    const QStringList last = parts.value(1).split(QStringLiteral("%3"));
    return Gbk(parts.value(0)) + EscapedGbk(written) + Gbk(last.value(0)) + EscapedGbk(readBack) +
           Line(last.value(1));
}

std::string EnterTrackText(std::string_view tracks) {
    return Gbk(JobText::tr("请输入%1轨信息！").arg(QString::fromUtf8(tracks)));
}

std::string ResetRunParameters(int track) {
    return Gbk(JobText::tr("请重新设定%1轨连写参数！").arg(track));
}

std::string TrackDataTooLong(int track) {
    return Gbk(JobText::tr("%1轨数据超过119个字节！").arg(track));
}

std::string PortOpenFailed(std::string_view portName, std::string_view reason) {
    return Line(JobText::tr("端口%1打开失败：%2")
                    .arg(QString::fromUtf8(portName), QString::fromUtf8(reason)));
}

std::string PortBroken(std::string_view portName, std::string_view reason) {
    return Line(JobText::tr("端口%1通信中断：%2")
                    .arg(QString::fromUtf8(portName), QString::fromUtf8(reason)));
}

std::string MissingReadKeys(const std::vector<std::string_view>& keys) {
    return MissingKeys(keys, JobText::tr("配置文件QXProduct.ini缺少%1，无法读卡"));
}

std::string MissingWriteKeys(const std::vector<std::string_view>& keys) {
    return MissingKeys(keys, JobText::tr("配置文件QXProduct.ini缺少%1，无法写卡"));
}

std::string DeviceStatus(unsigned char status) {
    QString meaning = JobText::tr("未知状态");
    switch (status) {
        case 0x30:
            meaning = JobText::tr("成功");
            break;
        case 0x31:
            meaning = JobText::tr("读写错误");
            break;
        case 0x32:
            meaning = JobText::tr("命令格式错误");
            break;
        case 0x34:
            meaning = JobText::tr("无效命令");
            break;
        case 0x39:
            meaning = JobText::tr("刷卡错误（过快、过慢或没有卡）");
            break;
        case 0x41:
            meaning = JobText::tr("操作失败");
            break;
    }
    const QString code = QStringLiteral("%1").arg(status, 2, 16, QLatin1Char('0')).toUpper();
    return Line(JobText::tr("设备状态%1：%2").arg(code, meaning));
}

std::string SwipeTimedOut() {
    return Line(JobText::tr("等待刷卡超时"));
}

std::string SetUpFailed(SetUpStep step, const std::string& reason) {
    QString what = JobText::tr("矫顽力");
    switch (step) {
        case SetUpStep::Coercivity:
            break;
        case SetUpStep::Density:
            what = JobText::tr("记录密度");
            break;
        case SetUpStep::BitsPerChar:
            what = JobText::tr("每字符位数");
            break;
        case SetUpStep::LeadingZeros:
            what = JobText::tr("前导零");
            break;
    }
    return Gbk(JobText::tr("设置%1失败：").arg(what)) + reason;
}

std::string NoAnswer() {
    return Line(JobText::tr("设备无应答"));
}

std::string ForeignCharacter(int track, unsigned char byte) {
    const QString shown = byte >= 0x21 && byte <= 0x7E
                              ? JobText::tr("“%1”").arg(QChar(static_cast<char16_t>(byte)))
                              : QString();
    const QString code = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    // One pass over the arguments: a '%' of the card must not become a place for the next.
    return Gbk(JobText::tr("%1轨数据含有设备不能写入的字符%2（0x%3）！")
                   .arg(QString::number(track), shown, code));
}

std::string IsoOnly() {
    return Line(JobText::tr("该设备只能写ISO格式的卡，请把卡格式改为ISO"));
}

std::string EraseSuccess(std::string_view tracks) {
    return Line(JobText::tr("擦除%1轨成功").arg(QString::fromUtf8(tracks)));
}

std::string EraseFailure(std::string_view tracks) {
    return Line(JobText::tr("擦除%1轨失败！").arg(QString::fromUtf8(tracks)));
}

std::string NoEraseCommand() {
    return Line(JobText::tr("配置文件QXProduct.ini没有擦卡命令，无法擦卡"));
}

}  // namespace JobTexts
