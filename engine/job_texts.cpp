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

}  // namespace JobTexts
