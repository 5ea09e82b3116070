// How write jobs end: Stop while the device is silent or keeps refusing, a port that
// breaks, data the device cannot take, and the pause after a finished write.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gbk.h"
#include "pty_peer.h"
#include "write_harness.h"

namespace writetest {
namespace {

const ProfileChanges kMeasuredPause = {{"SysDelay", std::to_string(kMeasuredSysDelay)}};

void PrepareTrack2Job(WriteJobHarness& harness, bool continuous) {
    harness.SetTexts("", "42", "");
    harness.job.Tracks = Track2;
    harness.job.Continuous = continuous ? 1 : 0;
    harness.job.Count = 3;
    harness.job.Track2Start = 5;
}

class Ending : public ::testing::TestWithParam<bool> {};

TEST_P(Ending, StopWhileTheDeviceIsSilentEndsWithinOneReadAttempt) {
    const bool continuous = GetParam();
    PtyPeer silentDevice;
    WriteJobHarness harness;
    harness.UsePort(silentDevice.TerminalPath(), kMeasuredPause);
    PrepareTrack2Job(harness, continuous);
    const std::string card = CardBytes(CardSetup{}, Track2, {"", continuous ? "425" : "42", ""});

    std::string received;
    Clock::time_point stoppedAt;
    std::thread operator_([&] {
        received = ReceiveFrom(silentDevice, card.size());
        std::this_thread::sleep_for(100ms);  // a few silent attempts
        stoppedAt = Clock::now();
        harness.job.StopFlag.store(1);
    });
    EXPECT_EQ(harness.Run(), 0);
    operator_.join();

    EXPECT_EQ(received, card);
    EXPECT_LT(harness.DoneAt() - stoppedAt, 250ms);  // one 20 ms attempt, no pause
    EXPECT_EQ(harness.job.JobLog, "");
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 0);
    EXPECT_EQ(harness.job.StopFlag.load(), 0);
}

TEST_P(Ending, APortThatBreaksDuringTheWaitIsReportedAndEndsTheJob) {
    const bool continuous = GetParam();
    PtyPeer device;
    const std::string port = device.TerminalPath();
    WriteJobHarness harness;
    harness.UsePort(port, kMeasuredPause);
    PrepareTrack2Job(harness, continuous);
    const std::string card = CardBytes(CardSetup{}, Track2, {"", continuous ? "425" : "42", ""});

    std::string received;
    std::thread unplug([&] {
        received = ReceiveFrom(device, card.size());
        device.HangUp();
    });
    EXPECT_EQ(harness.Run(), 0);
    unplug.join();

    EXPECT_EQ(received, card);
    const std::string& log = harness.job.JobLog;
    EXPECT_TRUE(log.starts_with(Gbk("端口" + port + "通信中断："))) << GbkToUtf8(log);
    EXPECT_TRUE(log.ends_with(std::string(54, '-') + "\r\n"));
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 1);
    EXPECT_LT(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay / 2));
}

INSTANTIATE_TEST_SUITE_P(SingleAndContinuous, Ending, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Continuous" : "Single"; });

TEST(Ending, StopEndsARunThatTheDeviceRefusesCardAfterCard) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", "fail"}, kMeasuredPause);
    PrepareTrack2Job(harness, true);

    EXPECT_EQ(harness.Run(2), 0);

    const std::string card = CardBytes(CardSetup{}, Track2, {"", "425", ""});
    EXPECT_EQ(harness.Received(), card + card + kSoftReset);
    EXPECT_EQ(harness.job.JobLog, Entry(Gbk("写2轨失败！\r\n")) + Entry(Gbk("写2轨失败！\r\n")));
    EXPECT_LT(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay / 2));
}

TEST(Ending, AFinishedSingleWritePausesBeforeTheReset) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"}, kMeasuredPause);
    PrepareTrack2Job(harness, false);
    harness.Run();
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 1);
    EXPECT_GE(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay - 50));
}

struct OverlongCase {
    const char* name;
    TrackSelection tracks;
    TrackTexts texts;
    const char* refusal;  // UTF-8; nullptr when written whole
};

void PrintTo(const OverlongCase& c, std::ostream* out) {
    *out << c.name;
}

class OverlongText : public ::testing::TestWithParam<OverlongCase> {};

TEST_P(OverlongText, IsRefusedBeforeAnythingIsSent) {
    const OverlongCase& c = GetParam();
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"},
                     c.refusal != nullptr ? kMeasuredPause : ProfileChanges{});
    harness.SetTexts(c.texts.track1, c.texts.track2, c.texts.track3);
    harness.job.Tracks = c.tracks;

    harness.Run();

    if (c.refusal != nullptr) {
        ExpectRefusedWithoutPause(harness, c.refusal);
    } else {
        EXPECT_EQ(harness.Received(), CardBytes(CardSetup{}, c.tracks, c.texts) + kSoftReset);
    }
}

const std::string k119(119, '9');
const std::string k120(120, '0');

INSTANTIATE_TEST_SUITE_P(
    SingleWrite, OverlongText,
    ::testing::Values(
        OverlongCase{"Track2At119", Track2, {"", k119, ""}, nullptr},
        OverlongCase{"Track2At120", Track2, {"", k120, ""}, "2轨数据超过119个字节！"},
        OverlongCase{"Track3Of23", Track23, {"", "1", k120}, "3轨数据超过119个字节！"},
        OverlongCase{"Track1Of12", Track12, {k120, k120, ""}, "1轨数据超过119个字节！"},
        OverlongCase{"UnselectedTrackIsNotLookedAt", Track3, {k120, k120, k119}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace writetest
