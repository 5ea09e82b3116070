// The log entry a single write leaves, and how the device's reply is judged.
#include <gtest/gtest.h>

#include <thread>

#include "pty_peer.h"
#include "write_harness.h"

namespace writetest {
namespace {

struct ResultCase {
    TrackSelection tracks;
    TrackTexts texts;  // UTF-8 here, GBK on the wire and in the log
    const char* answer;
    const char* entry;  // UTF-8, without the dash lines
};

void PrintTo(const ResultCase& c, std::ostream* out) {
    *out << c.entry;
}

class ResultEntry : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ResultEntry, IsLoggedByteForByteInOnePiece) {
    const ResultCase& c = GetParam();
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", c.answer});
    harness.SetTexts(Gbk(c.texts.track1), Gbk(c.texts.track2), Gbk(c.texts.track3));
    harness.job.Tracks = c.tracks;
    const std::string earlier = "an earlier job's entry\r\n";
    harness.job.JobLog = earlier;

    harness.Run();

    EXPECT_EQ(harness.job.JobLog, earlier + Entry(Gbk(c.entry)));
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 1);
    for (const auto& event : harness.console.Events()) {
        if (event.kind == RecordingConsole::Event::Kind::Message &&
            event.message == WM_LOG_REFRESH) {
            EXPECT_EQ(event.text, harness.job.JobLog);
            EXPECT_EQ(event.wParam, 1);
            EXPECT_EQ(event.lParam, 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    MatchedAndNot, ResultEntry,
    ::testing::Values(
        ResultCase{
            Track2, {"", "张三\r\nab", ""}, "ok", "写2轨成功，共写入8个数据\r\n张三\r\nab\r\n"},
        ResultCase{Track2, {"", "123", ""}, "fail", "写2轨失败！\r\n"},
        ResultCase{
            Track3, {"", "", "0123456789"}, "ok", "写3轨成功，共写入10个数据\r\n0123456789\r\n"},
        ResultCase{Track3, {"", "", "x"}, "fail", "写3轨失败！\r\n"},
        ResultCase{Track23,
                   {"", "李", "45"},
                   "ok",
                   "写2轨成功，共写入2个数据\r\n李\r\n写3轨成功，共写入2个数据\r\n45\r\n"},
        ResultCase{Track23, {"", "1", "2"}, "fail", "写2，3轨失败！\r\n"},
        ResultCase{Track1, {"ABC 卡", "", ""}, "ok", "写1轨成功，共写入6个数据\r\nABC 卡\r\n"},
        ResultCase{Track1, {"A", "", ""}, "fail", "写1轨失败！\r\n"},
        ResultCase{Track12,
                   {"NAME", "1234", "not written"},
                   "ok",
                   "写1轨成功，共写入4个数据\r\nNAME\r\n写2轨成功，共写入4个数据\r\n1234\r\n"},
        ResultCase{Track12, {"1", "2", ""}, "fail", "写1，2轨失败！\r\n"}));

// The device's answer is played by the test, piece by piece, after the card has come.
struct ReplyCase {
    const char* name;
    std::vector<std::string> pieces;  // sent 100 ms apart, each read by an attempt of its own
    bool matched;
};

void PrintTo(const ReplyCase& c, std::ostream* out) {
    *out << c.name;
}

class ReplyJudgement : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyJudgement, ComparesOnlyWholeRepliesUpToTheirFirstZero) {
    const ReplyCase& c = GetParam();
    PtyPeer device;
    WriteJobHarness harness;
    harness.UsePort(device.TerminalPath());
    harness.SetTexts("", "42", "");
    harness.job.Tracks = Track2;
    const std::string card = CardBytes(CardSetup{}, Track2, {"", "42", ""});

    std::string received;
    std::thread play([&] {
        received = ReceiveFrom(device, card.size());
        for (const auto& piece : c.pieces) {
            std::this_thread::sleep_for(100ms);
            device.Send(piece);
        }
    });
    harness.Run();
    play.join();

    EXPECT_EQ(received, card);
    const char* expected = c.matched ? "写2轨成功，共写入2个数据\r\n42\r\n" : "写2轨失败！\r\n";
    EXPECT_EQ(harness.job.JobLog, Entry(Gbk(expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyJudgement,
    ::testing::Values(ReplyCase{"Whole", {Hex("06 61 32")}, true},
                      ReplyCase{"WrongTrack", {Hex("06 61 33")}, false},
                      ReplyCase{"Refused", {Hex("15 61 32")}, false},
                      // Were the pieces joined, they would match; they are thrown away, so
                      // the whole wrong reply after them decides.
                      ReplyCase{
                          "PiecesDiscarded", {Hex("06"), Hex("61 32"), Hex("15 61 32")}, false},
                      ReplyCase{"ZeroFirst", {std::string("\0\x15\x15", 3)}, true},
                      ReplyCase{"ZeroAfterAMatchingByte", {std::string("\x06\0\x77", 3)}, true},
                      ReplyCase{"ZeroAfterAWrongByte", {std::string("\x15\0\0", 3)}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplyJudgement, AnEmptyExpectedReplyMatchesWithoutReading) {
    PtyPeer silentDevice;
    WriteJobHarness harness;
    harness.UsePort(silentDevice.TerminalPath(), {{"WriteTack2Right", ""}});
    harness.SetTexts("", "7", "");
    harness.job.Tracks = Track2;
    harness.Run();
    EXPECT_EQ(harness.job.JobLog, Entry(Gbk("写2轨成功，共写入1个数据\r\n7\r\n")));
}

}  // namespace
}  // namespace writetest
