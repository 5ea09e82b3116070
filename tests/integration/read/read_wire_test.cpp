// The read loop against a device played byte by byte over a pseudo-terminal: framing,
// bounds and the resend rhythm.

#include <gtest/gtest.h>

#include <thread>

#include "read_bench.h"

namespace readtest {
namespace {

const std::string kHead = "\x1b\x73";
const std::string kTail = "\x1d\x0d";

std::string CommandFor(TrackSelection tracks) {
    switch (tracks) {
        case Track1:
            return Hex("1b 72 31");
        case Track2:
            return Hex("1b 72 32");
        case Track3:
            return Hex("1b 72 33");
        case Track12:
            return Hex("1b 72 34");
        case Track23:
            return Hex("1b 72 35");
        case NoTrack:
            break;
    }
    return {};
}

// Sends the pieces with a pause between, long enough for any read in progress to end.
void SendPieces(PtyPeer& device, const std::vector<std::string>& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) std::this_thread::sleep_for(60ms);
        device.Send(pieces[i]);
    }
}

struct ReplyCase {
    const char* name;
    TrackSelection tracks;
    ProfileChanges changes;
    std::vector<std::string> pieces;  // what the device sends after the command
    std::string expectedUtf8;
};

// Test names say which case failed; the bytes of the record would not.
void PrintTo(const ReplyCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadWireReply : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReadWireReply, IsLoggedOnce) {
    const ReplyCase& c = GetParam();
    PtyPeer device;
    ReadBench bench(c.tracks, device.TerminalPath(), c.changes);
    // Slow silent reads, so no empty read can slip in before the device answers.
    bench.timeouts.readTotalConstantMs = 200;
    bench.Start(1);
    ASSERT_EQ(NextCommand(device), CommandFor(c.tracks));
    SendPieces(device, c.pieces);
    EXPECT_EQ(bench.Finish(5s), 0);
    EXPECT_EQ(bench.job.JobLog, Gbk(c.expectedUtf8));
    EXPECT_EQ(bench.RefreshCount(), 1);
}

const std::string kFive228(228, '5');

INSTANTIATE_TEST_SUITE_P(
    Frames, ReadWireReply,
    ::testing::Values(
        ReplyCase{"TwoHundredTwentyNineBytesAreTaken",
                  Track2,
                  {},
                  {kHead + kFive228 + kTail},
                  "第1次成功读取，共读取228个2轨数据\r\n" + kFive228 + "\r\n" + kHyphens},
        ReplyCase{"OneByteTail",
                  Track2,
                  {{"ReadTail", "0x0d"}},
                  {kHead + "77\x0d"},
                  "第1次成功读取，共读取2个2轨数据\r\n77\r\n" + kHyphens},
        ReplyCase{"EmptyHeadMatchesAtOnce",
                  Track2,
                  {{"ReadHead", ""}},
                  {"12345" + kTail},
                  "第1次成功读取，共读取5个2轨数据\r\n12345\r\n" + kHyphens},
        ReplyCase{
            "HighFrameBytes",
            Track23,
            {{"ReadHead", "0xaa0xbb"}, {"ReadTail", "0xfe0xfd"}, {"SpaceCharacter23", "0x80"}},
            {Hex("aa bb") +
             "622\x80"
             "99" +
             Hex("fe fd")},
            "第1次成功读取，共读取3个2轨数据\r\n622\r\n" + kHyphens + "共读取2个3轨数据\r\n99\r\n" +
                kHyphens},
        ReplyCase{"NulAmongTheData",
                  Track2,
                  {},
                  {kHead +
                   std::string("12\0"
                               "34",
                               5) +
                   kTail},
                  "第1次成功读取，共读取2个2轨数据\r\n12\r\n" + kHyphens},
        ReplyCase{"WrongTailPieceIsReadOver",
                  Track2,
                  {},
                  {kHead + "55\x1d\x7e\x0d"},
                  "第1次成功读取，共读取2个2轨数据\r\n55\r\n" + kHyphens},
        ReplyCase{"GarbageThenAPauseThenTheReply",
                  Track2,
                  {},
                  {"\xff\x00\x55", kHead + "55" + kTail},
                  "第1次成功读取，共读取2个2轨数据\r\n55\r\n" + kHyphens},
        ReplyCase{"ReplyInPieces",
                  Track3,
                  {},
                  {kHead + "3"
                           "12",
                   "34", kTail},
                  "第1次成功读取，共读取4个3轨数据\r\n1234\r\n" + kHyphens},
        ReplyCase{"HeadOnTheFortiethRead",
                  Track2,
                  {},
                  {std::string(78, 'x') + kHead + "55" + kTail},
                  "第1次成功读取，共读取2个2轨数据\r\n55\r\n" + kHyphens}),
    [](const auto& info) { return std::string(info.param.name); });

// Replies the loop must drop: nothing is logged and the command goes out again.
struct DropCase {
    const char* name;
    ProfileChanges changes;
    std::string reply;
};

void PrintTo(const DropCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadWireDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(ReadWireDrop, SendsTheCommandAgainAndLogsNothing) {
    const DropCase& c = GetParam();
    PtyPeer device;
    ReadBench bench(Track2, device.TerminalPath(), c.changes);
    bench.timeouts.readTotalConstantMs = 200;
    bench.Start();
    ASSERT_EQ(NextCommand(device), CommandFor(Track2));
    device.Send(c.reply);
    EXPECT_EQ(NextCommand(device), CommandFor(Track2));
    bench.Stop();
    EXPECT_EQ(bench.Finish(), 0);
    EXPECT_EQ(bench.job.JobLog, "");
    EXPECT_EQ(bench.RefreshCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReadWireDrop,
    ::testing::Values(
        DropCase{"TwoHundredThirtyBytes", {}, kHead + std::string(229, '5') + kTail},
        DropCase{"TailCutShort", {}, kHead + "55\x1d"},
        DropCase{"NulIsNoTailByte", {}, kHead + std::string("55\x1d\0", 4)},
        DropCase{"HeadOnTheFortyFirstRead", {}, std::string(80, 'x') + kHead + "55" + kTail}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadWire, NumbersSuccessesAcrossCardsAndOnlyThem) {
    PtyPeer device;
    ReadBench bench(Track23, device.TerminalPath());
    bench.Start(4);
    for (const std::string data : {"11\x1f"
                                   "12",
                                   "\x7f\x1f"
                                   "22",
                                   "31\x1f\x7f", "\x7f\x1f\x7f"}) {
        ASSERT_EQ(NextCommand(device), CommandFor(Track23));
        device.Send(kHead + data + kTail);
    }
    EXPECT_EQ(bench.Finish(), 0);
    EXPECT_EQ(
        bench.job.JobLog,
        Gbk("第1次成功读取，共读取2个2轨数据\r\n11\r\n" + kHyphens + "共读取2个3轨数据\r\n12\r\n" +
            kHyphens + "读取2轨失败\r\n" + kHyphens + kHyphens + "共读取2个3轨数据\r\n22\r\n" +
            kHyphens + "第2次成功读取，共读取2个2轨数据\r\n31\r\n读取3轨失败\r\n" + kHyphens +
            "读取2轨失败\r\n" + kHyphens + "读取3轨失败\r\n" + kHyphens));
    EXPECT_EQ(bench.RefreshCount(), 4);
}

// A selection with no read command of its own sends nothing but still takes replies.
TEST(ReadWire, NoTrackSendsNothingAndRefreshesPerReply) {
    PtyPeer device;
    ReadBench bench(NoTrack, device.TerminalPath());
    bench.Start(1);
    std::this_thread::sleep_for(50ms);
    device.Send(kHead + "55" + kTail);
    EXPECT_EQ(bench.Finish(), 0);
    EXPECT_EQ(bench.job.JobLog, "");
    EXPECT_EQ(bench.RefreshCount(), 1);
    EXPECT_EQ(device.Receive(500ms, 2), kSoftReset);
}

}  // namespace
}  // namespace readtest
