// The log text of one completed reply, for every track selection, byte for byte.

#include "read_entry.h"

#include <gtest/gtest.h>

#include "hex_command.h"
#include "read_bench.h"

namespace readtest {
namespace {

using namespace std::string_literals;

struct EntryCase {
    const char* name;
    TrackSelection tracks;
    std::string data;  // between the head and the tail's first byte
    int successNumber;
    std::string expectedUtf8;
    int successes;
    std::string separator23 = "0x1f";
};

// Test names say which case failed; the bytes of the record would not.
void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string H = kHyphens;

class ReadEntryText : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ReadEntryText, IsLoggedByteForByte) {
    const EntryCase& c = GetParam();
    DeviceProfile profile;
    DecodeHexCommand(c.separator23, profile.SpaceCharacter23);
    DecodeHexCommand("0x1e", profile.SPaceCharacter12);
    const ReadEntry entry = MakeReadEntry(TrackSetOf(c.tracks), c.data, profile, c.successNumber);
    EXPECT_EQ(entry.text, Gbk(c.expectedUtf8));
    EXPECT_EQ(entry.successes, c.successes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadEntryText,
    ::testing::Values(
        EntryCase{"Track2Card", Track2, "4000001234567899=2512", 1,
                  "第1次成功读取，共读取21个2轨数据\r\n4000001234567899=2512\r\n" + H, 1},
        EntryCase{"Track2CarriesTheNumber", Track2, "55", 7,
                  "第7次成功读取，共读取2个2轨数据\r\n55\r\n" + H, 1},
        EntryCase{"Track2Failed", Track2, "\x7f", 1, "读取2轨失败\r\n" + H, 0},
        EntryCase{"Track2MarkOnlyCountsFirst", Track2, "5\x7f", 1,
                  "第1次成功读取，共读取2个2轨数据\r\n5\x7f\r\n" + H, 1},
        EntryCase{"Track2Empty", Track2, "", 1, "第1次成功读取，共读取0个2轨数据\r\n\r\n" + H, 1},
        EntryCase{"Track2NulEndsTheText", Track2,
                  "12\0"s
                  "34",
                  1, "第1次成功读取，共读取2个2轨数据\r\n12\r\n" + H, 1},
        EntryCase{"Track2CountsBytes", Track2, Gbk("测试"), 2,
                  "第2次成功读取，共读取4个2轨数据\r\n测试\r\n" + H, 1},
        EntryCase{"Track3ShownFromSecondByte", Track3, "3994000=156", 1,
                  "第1次成功读取，共读取10个3轨数据\r\n994000=156\r\n" + H, 1},
        EntryCase{"Track3LeadMarkIsNoFailure", Track3,
                  "\x7f"
                  "99",
                  1, "第1次成功读取，共读取2个3轨数据\r\n99\r\n" + H, 1},
        EntryCase{"Track3Failed", Track3, "3\x7f", 1, "读取3轨失败\r\n" + H, 0},
        EntryCase{"Track3LeadOnly", Track3, "3", 4, "第4次成功读取，共读取0个3轨数据\r\n\r\n" + H,
                  1},
        EntryCase{"Track3Nothing", Track3, "", 1, "第1次成功读取，共读取0个3轨数据\r\n\r\n" + H, 1},
        EntryCase{"Track1Card", Track1, "B4000^TEST/ONE^25", 3,
                  "第3次成功读取，共读取17个1轨数据\r\nB4000^TEST/ONE^25\r\n" + H, 1},
        EntryCase{"Track1Failed", Track1, "\x7f", 3, "读取1轨失败\r\n" + H, 0},
        EntryCase{
            "Track23BothRead", Track23,
            "622\x1f"
            "9961",
            3,
            "第3次成功读取，共读取3个2轨数据\r\n622\r\n" + H + "共读取4个3轨数据\r\n9961\r\n" + H,
            1},
        EntryCase{"Track23FirstFailed", Track23,
                  "\x7f\x1f"
                  "99",
                  2, "读取2轨失败\r\n" + H + H + "共读取2个3轨数据\r\n99\r\n" + H, 0},
        EntryCase{"Track23SecondFailed", Track23, "62\x1f\x7f", 1,
                  "第1次成功读取，共读取2个2轨数据\r\n62\r\n读取3轨失败\r\n" + H, 1},
        EntryCase{"Track23BothFailed", Track23, "\x7f\x1f\x7f", 1,
                  "读取2轨失败\r\n" + H + "读取3轨失败\r\n" + H, 0},
        EntryCase{"Track23NoSeparator", Track23, "62299", 1,
                  "第1次成功读取，共读取5个2轨数据\r\n62299\r\n读取3轨失败\r\n" + H, 1},
        EntryCase{"Track23SplitsAtFirstSeparator", Track23,
                  "1\x1f"
                  "2\x1f"
                  "3",
                  1,
                  "第1次成功读取，共读取1个2轨数据\r\n1\r\n" + H +
                      "共读取3个3轨数据\r\n2\x1f"
                      "3\r\n" +
                      H,
                  1},
        EntryCase{"Track23EmptyParts", Track23, "\x1f", 1,
                  "第1次成功读取，共读取0个2轨数据\r\n\r\n" + H + "共读取0个3轨数据\r\n\r\n" + H,
                  1},
        EntryCase{"Track23SplitsRawBytesNotText", Track23,
                  "6\0"s
                  "2\x1f"
                  "99",
                  1,
                  "第1次成功读取，共读取1个2轨数据\r\n6\r\n" + H + "共读取2个3轨数据\r\n99\r\n" + H,
                  1},
        EntryCase{
            "Track23HighSeparator", Track23,
            "62\xfe"
            "99",
            1, "第1次成功读取，共读取2个2轨数据\r\n62\r\n" + H + "共读取2个3轨数据\r\n99\r\n" + H,
            1, "0xfe"},
        EntryCase{"Track23EmptySeparatorSlotNeverSplits", Track23,
                  "62\0"s
                  "99",
                  1, "第1次成功读取，共读取2个2轨数据\r\n62\r\n读取3轨失败\r\n" + H, 1, ""},
        EntryCase{"Track12BothRead", Track12,
                  "B1^A^2\x1e"
                  "4000=25",
                  1,
                  "第1次成功读取，共读取6个1轨数据\r\nB1^A^2\r\n" + H +
                      "共读取7个2轨数据\r\n4000=25\r\n" + H,
                  1},
        EntryCase{"Track12FirstFailed", Track12,
                  "\x7f\x1e"
                  "55",
                  1, "读取1轨失败\r\n" + H + H + "共读取2个2轨数据\r\n55\r\n" + H, 0},
        EntryCase{"Track12SplitsAtItsOwnSeparator", Track12,
                  "B1\x1f"
                  "2",
                  1,
                  "第1次成功读取，共读取4个1轨数据\r\nB1\x1f"
                  "2\r\n读取2轨失败\r\n" +
                      H,
                  1},
        EntryCase{"NoTrackLogsNothing", NoTrack, "123", 1, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadEntryText, IsGbkOnTheWire) {
    const ReadEntry entry = MakeReadEntry(TrackSet::Track2, "\x7f", DeviceProfile{}, 1);
    EXPECT_EQ(entry.text, Hex("b6 c1 c8 a1 32 b9 ec ca a7 b0 dc 0d 0a") + kHyphens);
    const ReadEntry success = MakeReadEntry(TrackSet::Track2, "7", DeviceProfile{}, 1);
    EXPECT_EQ(success.text.substr(0, 21),
              Hex("b5 da 31 b4 ce b3 c9 b9 a6 b6 c1 c8 a1 a3 ac b9 b2 b6 c1 c8 a1"));
}

}  // namespace
}  // namespace readtest
