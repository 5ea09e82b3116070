#include "job_texts.h"

#include <cstdio>
#include <vector>

#include "gbk.h"

namespace JobTexts {
namespace {

// printf over a GBK format. GBK trail bytes never take the value of '%', so a converted
// format keeps its directives intact.
template <typename... Args>
std::string Format(const std::string& utf8Format, Args... args) {
    const std::string format = Utf8ToGbk(utf8Format);
    const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 0) + 1);
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), args...);
    return std::string(buffer.data(), buffer.size() - 1);
}

std::string CString(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

std::string Tracks(int track) {
    return std::to_string(track);
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

// The keys (UTF-8) listed as "WriteTack2、WriteTail".
std::string MissingKeys(const std::vector<std::string_view>& keys, std::string_view job) {
    std::string list;
    for (const std::string_view key : keys) {
        if (!list.empty()) list += "、";
        list += key;
    }
    return Utf8ToGbk("配置文件QXProduct.ini缺少" + list + "，无法" + std::string(job) + "\r\n");
}

}  // namespace

const std::string& HyphenLine() {
    static const std::string line = std::string(54, '-') + "\r\n";
    return line;
}

std::string ReadSuccess(int track, int number, int count, std::string_view data) {
    return Format("第%d次成功读取，共读取%d个" + Tracks(track) + "轨数据\r\n%s\r\n", number, count,
                  CString(data).c_str());
}

std::string ReadFailure(int track) {
    return Utf8ToGbk("读取" + Tracks(track) + "轨失败\r\n");
}

std::string ReadSecondTrack(int track, int count, std::string_view data) {
    return HyphenLine() +
           Format("共读取%d个" + Tracks(track) + "轨数据\r\n%s\r\n", count, CString(data).c_str()) +
           HyphenLine();
}

std::string WriteSuccess(int track, int count, std::string_view data) {
    return Format("写" + Tracks(track) + "轨成功，共写入%d个数据\r\n%s\r\n", count,
                  CString(data).c_str());
}

std::string WriteFailure(std::string_view tracks) {
    return Utf8ToGbk("写" + std::string(tracks) + "轨失败！\r\n");
}

std::string ListCardPrefix(int card, int cards) {
    return Format("第%d/%d张：", card, cards);
}

std::string ListWriteEnd(int written, int refused) {
    return Format("列表写卡结束：成功%d张，未成功%d次\r\n", written, refused);
}

std::string ListWriteComplete(int cards) {
    return Format("列表已全部写完：共%d张\r\n", cards);
}

std::string ListWriteLeft(int confirmed, int left) {
    return Format("列表未写完：已确认%d张，还剩%d张，可凭作业记录接着写\r\n", confirmed, left);
}

std::string TriesExhausted(int card, int cards, int tries,
                           const std::vector<std::pair<int, std::string>>& values) {
    std::string text = Format("第%d/%d张卡连续%d次写入未成功，停止写卡：", card, cards, tries);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += Utf8ToGbk("，");
        text += Utf8ToGbk(Tracks(values[i].first) + "轨 ") + CString(values[i].second);
    }
    return text + "\r\n";
}

std::string SwipeToVerify() {
    return Utf8ToGbk("请再刷一次刚写好的卡，以校验写入的数据\r\n");
}

std::string VerifyNotDone() {
    return Utf8ToGbk("未读回校验：作业在读回前结束\r\n");
}

std::string VerifyPassed() {
    return Utf8ToGbk("读回校验成功\r\n");
}

std::string VerifyReadFailed(int track) {
    return Utf8ToGbk(Tracks(track) + "轨校验失败：读卡失败\r\n");
}

std::string VerifyDiffers(int track, std::string_view written, std::string_view readBack) {
    return Utf8ToGbk(Tracks(track) + "轨校验失败：读回的数据与写入的不同（写入：") +
           EscapedGbk(written) + Utf8ToGbk("，读回：") + EscapedGbk(readBack) +
           Utf8ToGbk("）\r\n");
}

std::string EnterTrackText(std::string_view tracks) {
    return Utf8ToGbk("请输入" + std::string(tracks) + "轨信息！");
}

std::string ResetRunParameters(int track) {
    return Utf8ToGbk("请重新设定" + Tracks(track) + "轨连写参数！");
}

std::string TrackDataTooLong(int track) {
    return Utf8ToGbk(Tracks(track) + "轨数据超过119个字节！");
}

std::string PortOpenFailed(std::string_view portName, std::string_view reason) {
    return Format("端口%s打开失败：%s\r\n", Utf8ToGbk(portName).c_str(), Utf8ToGbk(reason).c_str());
}

std::string PortBroken(std::string_view portName, std::string_view reason) {
    return Format("端口%s通信中断：%s\r\n", Utf8ToGbk(portName).c_str(), Utf8ToGbk(reason).c_str());
}

std::string MissingReadKeys(const std::vector<std::string_view>& keys) {
    return MissingKeys(keys, "读卡");
}

std::string MissingWriteKeys(const std::vector<std::string_view>& keys) {
    return MissingKeys(keys, "写卡");
}

std::string DeviceStatus(unsigned char status) {
    const char* meaning = "未知状态";
    switch (status) {
        case 0x30:
            meaning = "成功";
            break;
        case 0x31:
            meaning = "读写错误";
            break;
        case 0x32:
            meaning = "命令格式错误";
            break;
        case 0x34:
            meaning = "无效命令";
            break;
        case 0x39:
            meaning = "刷卡错误（过快、过慢或没有卡）";
            break;
        case 0x41:
            meaning = "操作失败";
            break;
    }
    return Format(std::string("设备状态%02X：") + meaning + "\r\n", static_cast<unsigned>(status));
}

std::string SwipeTimedOut() {
    return Utf8ToGbk("等待刷卡超时\r\n");
}

std::string SetUpFailed(SetUpStep step, const std::string& reason) {
    const char* what = "矫顽力";
    switch (step) {
        case SetUpStep::Coercivity:
            break;
        case SetUpStep::Density:
            what = "记录密度";
            break;
        case SetUpStep::BitsPerChar:
            what = "每字符位数";
            break;
        case SetUpStep::LeadingZeros:
            what = "前导零";
            break;
    }
    return Utf8ToGbk(std::string("设置") + what + "失败：") + reason;
}

std::string NoAnswer() {
    return Utf8ToGbk("设备无应答\r\n");
}

std::string ForeignCharacter(int track, unsigned char byte) {
    const std::string shown =
        byte >= 0x21 && byte <= 0x7E ? "“" + std::string(1, static_cast<char>(byte)) + "”" : "";
    // The character goes in as an argument: a '%' of the card must not become a directive.
    return Format(Tracks(track) + "轨数据含有设备不能写入的字符%s（0x%02X）！",
                  Utf8ToGbk(shown).c_str(), static_cast<unsigned>(byte));
}

std::string IsoOnly() {
    return Utf8ToGbk("该设备只能写ISO格式的卡，请把卡格式改为ISO\r\n");
}

std::string EraseSuccess(std::string_view tracks) {
    return Utf8ToGbk("擦除" + std::string(tracks) + "轨成功\r\n");
}

std::string EraseFailure(std::string_view tracks) {
    return Utf8ToGbk("擦除" + std::string(tracks) + "轨失败！\r\n");
}

std::string NoEraseCommand() {
    return Utf8ToGbk("配置文件QXProduct.ini没有擦卡命令，无法擦卡\r\n");
}

}  // namespace JobTexts
