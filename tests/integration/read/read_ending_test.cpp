// How a read job ends: Stop at awkward moments, a port that never opens or goes away, a
// profile the loop cannot work with.

#include <gtest/gtest.h>

#include <thread>

#include "card_worker.h"
#include "cardsim_process.h"
#include "read_bench.h"
#include "serial_link.h"

namespace readtest {
namespace {

// Long enough that a pause would show, with a wide margin.
const ProfileChanges kLongDelay = {{"SysDelay", "3000"}};
constexpr auto kPrompt = 1500ms;

const std::string kCommand = "\x1b\x72\x32";

bool PortIsFree(const std::string& path) {
    SerialLink link(kShortTimeouts);
    link.SetPortName(path);
    link.Open();
    return link.IsOpen();
}

// Everything the device got since the first command: the command, again and again, and
// the ending's SoftReset last.
void ExpectCommandsThenSoftReset(std::string received) {
    ASSERT_TRUE(received.ends_with(kSoftReset)) << received.size();
    received.resize(received.size() - kSoftReset.size());
    while (received.starts_with(kCommand)) received.erase(0, kCommand.size());
    EXPECT_EQ(received, "");
}

struct StopCase {
    const char* name;
    std::string sentBeforeStop;
};

// Test names say which case failed; the bytes of the record would not.
void PrintTo(const StopCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(ReadStop, EndsAtOnceWithoutALineForTheUnfinishedCard) {
    PtyPeer device;
    ReadBench bench(Track2, device.TerminalPath(), kLongDelay);
    // Reads long enough that Stop finds the loop inside the read it waits in.
    bench.timeouts.readTotalConstantMs = 400;
    bench.Start();
    ASSERT_EQ(NextCommand(device), kCommand);
    device.Send(GetParam().sentBeforeStop);
    std::this_thread::sleep_for(100ms);
    const auto stoppedAt = Clock::now();
    bench.Stop();
    EXPECT_EQ(bench.Finish(), 0);

    EXPECT_LT(bench.DoneAt() - stoppedAt, kPrompt);
    EXPECT_EQ(bench.job.JobLog, "");
    EXPECT_EQ(bench.RefreshCount(), 0);
    EXPECT_EQ(bench.StopFlagAtDone(), 0);
    ExpectCommandsThenSoftReset(device.Receive(300ms));
    EXPECT_TRUE(PortIsFree(device.TerminalPath()));
}

INSTANTIATE_TEST_SUITE_P(Moments, ReadStop,
                         ::testing::Values(StopCase{"DeviceSilent", ""},
                                           StopCase{"AfterTheHead", "\x1b\x73"},
                                           StopCase{"MidData",
                                                    "\x1b\x73"
                                                    "12"},
                                           StopCase{"AwaitingTheRestOfTheTail",
                                                    "\x1b\x73"
                                                    "12\x1d"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadEnding, StopAfterCardsKeepsTheirLinesAndEndsAtOnce) {
    PtyPeer device;
    ReadBench bench(Track2, device.TerminalPath(), kLongDelay);
    bench.Start(2);
    for (int card = 0; card < 2; ++card) {
        ASSERT_EQ(NextCommand(device), kCommand);
        device.Send(
            "\x1b\x73"
            "55\x1d\x0d");
    }
    EXPECT_EQ(bench.Finish(), 0);
    const auto events = bench.console.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_LT(events[2].when - events[1].when, kPrompt);
    EXPECT_EQ(bench.StopFlagAtDone(), 0);
    for (const auto& event : events) {
        EXPECT_EQ(event.wParam, 1);
        EXPECT_EQ(event.lParam, 2);
    }
    // Each refresh found the job's log with its card already in it.
    const std::string entry = Gbk("成功读取，共读取2个2轨数据\r\n55\r\n") + kHyphens;
    EXPECT_TRUE(events[0].text.ends_with(entry));
    EXPECT_EQ(events[1].text, bench.job.JobLog);
}

TEST(ReadEnding, PortThatDoesNotOpenIsLoggedAndEndsTheJob) {
    TempDir dir;
    const std::string port = (dir / "no-such-port").string();
    ReadBench bench(Track2, port, kLongDelay);
    const auto startedAt = Clock::now();
    EXPECT_EQ(bench.Run(0, 5s), 0);
    EXPECT_LT(bench.DoneAt() - startedAt, kPrompt);
    const std::string& log = bench.job.JobLog;
    EXPECT_TRUE(log.starts_with(Gbk("端口" + port + "打开失败："))) << log;
    EXPECT_TRUE(log.ends_with("\r\n" + kHyphens)) << log;
    EXPECT_GT(log.size(), Gbk("端口" + port + "打开失败：\r\n").size() + kHyphens.size())
        << "no reason given";
    EXPECT_EQ(bench.RefreshCount(), 1);
    EXPECT_EQ(bench.StopFlagAtDone(), 0);
}

void ExpectBrokenEntryLast(const ReadBench& bench, const std::string& port) {
    const std::string& log = bench.job.JobLog;
    const std::string opening = Gbk("端口" + port + "通信中断：");
    const auto at = log.rfind(opening);
    ASSERT_NE(at, std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("\r\n" + kHyphens)) << log;
    EXPECT_GT(log.size() - at, opening.size() + 2 + kHyphens.size()) << "no reason given";
    EXPECT_EQ(bench.StopFlagAtDone(), 0);
}

TEST(ReadEnding, DevicePulledMidJobIsLoggedAndEndsTheJob) {
    PtyPeer device;
    ReadBench bench(Track2, device.TerminalPath(), kLongDelay);
    bench.Start();
    ASSERT_EQ(NextCommand(device), kCommand);
    const auto pulledAt = Clock::now();
    device.HangUp();
    EXPECT_EQ(bench.Finish(5s), 0);
    EXPECT_LT(bench.DoneAt() - pulledAt, kPrompt);
    ExpectBrokenEntryLast(bench, device.TerminalPath());
}

TEST(ReadEnding, SimulatorGoneMidJobIsLoggedAfterTheCardsRead) {
    CardsimProcess sim({"--swipe-ms", "20"});
    ReadBench bench(Track2, sim.PortPath(), kLongDelay);
    bench.Start();
    const auto deadline = Clock::now() + 5s;
    while (bench.RefreshCount() == 0 && Clock::now() < deadline) std::this_thread::sleep_for(5ms);
    ASSERT_GT(bench.RefreshCount(), 0) << sim.Log();
    const auto stoppedAt = Clock::now();
    sim.Stop();
    EXPECT_EQ(bench.Finish(5s), 0);
    EXPECT_LT(bench.DoneAt() - stoppedAt, kPrompt);
    EXPECT_TRUE(bench.job.JobLog.starts_with(Gbk("第1次成功读取"))) << bench.job.JobLog;
    ExpectBrokenEntryLast(bench, sim.PortPath());
}

TEST(ReadEnding, ProfileWithoutReadTailSaysSoAndEnds) {
    PtyPeer device;
    ProfileChanges changes = kLongDelay;
    changes["ReadTail"] = "";
    ReadBench bench(Track23, device.TerminalPath(), changes);
    const auto startedAt = Clock::now();
    EXPECT_EQ(bench.Run(0, 5s), 0);
    EXPECT_LT(bench.DoneAt() - startedAt, kPrompt);
    EXPECT_EQ(bench.job.JobLog, Gbk("配置文件QXProduct.ini缺少ReadTail，无法读卡\r\n") + kHyphens);
    EXPECT_EQ(bench.RefreshCount(), 1);
    EXPECT_EQ(device.Receive(300ms), kSoftReset);
}

TEST(ReadEnding, NoJobReturnsMinusOne) {
    EXPECT_EQ(CardWorker(nullptr), -1);
    EXPECT_EQ(CardWorker(nullptr, kShortTimeouts), -1);
}

}  // namespace
}  // namespace readtest
