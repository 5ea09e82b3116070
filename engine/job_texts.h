#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Every fixed text the engine logs or shows, ready as GBK bytes. A %s argument is GBK
// text and is printed up to its first NUL byte, as the device protocol's C strings are;
// counts are passed separately and count bytes.
namespace JobTexts {

// 54 hyphens and CR LF, framing most log entries.
const std::string& HyphenLine();

// "第%d次成功读取，共读取%d个N轨数据\r\n%s\r\n"
std::string ReadSuccess(int track, int number, int count, std::string_view data);
// "读取N轨失败\r\n"
std::string ReadFailure(int track);
// The second track of a pair: hyphen line, "共读取%d个N轨数据\r\n%s\r\n", hyphen line.
std::string ReadSecondTrack(int track, int count, std::string_view data);

// "写N轨成功，共写入%d个数据\r\n%s\r\n"
std::string WriteSuccess(int track, int count, std::string_view data);
// A pair of tracks as the texts below take it (UTF-8): "2，3".
std::string TrackPair(int first, int second);

// "写N轨失败！\r\n", tracks given as "2" or a TrackPair.
std::string WriteFailure(std::string_view tracks);
// "第%d/%d张：", in front of a list card's result: the card's place and the list's length.
std::string ListCardPrefix(int card, int cards);
// "列表写卡结束：成功%d张，未成功%d次\r\n": cards written, replies that did not match.
std::string ListWriteEnd(int written, int refused);
// After it, whether the list is done: "列表已全部写完：共%d张\r\n", or "列表未写完：已确认%d张，
// 还剩%d张，可凭作业记录接着写\r\n".
std::string ListWriteComplete(int cards);
std::string ListWriteLeft(int confirmed, int left);
// "第%d/%d张卡连续%d次写入未成功，停止写卡：2轨 <data>，3轨 <data>\r\n": the card's
// place in the job, the tries, and each planned track's value.
std::string TriesExhausted(int card, int cards, int tries,
                           const std::vector<std::pair<int, std::string>>& values);
// Read-back verify: "请再刷一次刚写好的卡，以校验写入的数据\r\n" before the wait; after it
// "读回校验成功\r\n", or per track "N轨校验失败：读卡失败\r\n" or
// "N轨校验失败：读回的数据与写入的不同（写入：<data>，读回：<data>）\r\n", the card's
// bytes with control bytes and backslashes escaped, so that they cannot break the log's
// lines; "未读回校验：作业在读回前结束\r\n" when the job ended first.
std::string SwipeToVerify();
std::string VerifyNotDone();
std::string VerifyPassed();
std::string VerifyReadFailed(int track);
std::string VerifyDiffers(int track, std::string_view written, std::string_view readBack);
// "请输入N轨信息！"
std::string EnterTrackText(std::string_view tracks);
// "请重新设定N轨连写参数！"
std::string ResetRunParameters(int track);
// "N轨数据超过119个字节！"
std::string TrackDataTooLong(int track);

// Entries for a port that would not open or that broke during a job; the reason is the
// system's, in UTF-8.
std::string PortOpenFailed(std::string_view portName, std::string_view reason);
std::string PortBroken(std::string_view portName, std::string_view reason);
// A profile that lacks a key the job cannot do without:
// "配置文件QXProduct.ini缺少%s，无法读卡\r\n", and for a write job "…，无法写卡\r\n" with
// the keys listed as "WriteTack2、WriteTail".
std::string MissingReadKeys(const std::vector<std::string_view>& keys);
std::string MissingWriteKeys(const std::vector<std::string_view>& keys);

// The ESC-block family. A device's status byte in words, one line each:
// "设备状态31：读写错误\r\n" and the like; an unknown status names its byte.
std::string DeviceStatus(unsigned char status);
// "等待刷卡超时\r\n": no card came within the profile's SwipeTimeoutMs.
std::string SwipeTimedOut();
// A set-up command the device did not take, before any card: "设置矫顽力失败：" and
// the status line, or "设备无应答\r\n" when nothing came.
enum class SetUpStep { Coercivity, Density, BitsPerChar, LeadingZeros };
std::string SetUpFailed(SetUpStep step, const std::string& reason);
std::string NoAnswer();
// "N轨数据含有设备不能写入的字符“A”（0x41）！", as a message box.
std::string ForeignCharacter(int track, unsigned char byte);
// "该设备只能写ISO格式的卡，请把卡格式改为ISO\r\n"
std::string IsoOnly();
// Erasing: "擦除N轨成功\r\n", "擦除N轨失败！\r\n" (tracks as "2，3"), and a profile
// whose commands hold no erase: "配置文件QXProduct.ini没有擦卡命令，无法擦卡\r\n".
std::string EraseSuccess(std::string_view tracks);
std::string EraseFailure(std::string_view tracks);
std::string NoEraseCommand();

}  // namespace JobTexts
