// Jobs of every kind ended from outside at a random moment, with the serial time-outs a real
// console uses. Stop must end a job promptly and cleanly however the moment falls: waiting
// for a head, inside a card, waiting for a write reply, in the pause after a write. A pulled
// device the job must notice on its own, at once, and say so in the log.
//
// The moments come from a fixed seed, so a run repeats the last; CARD_SOAK_SEED=random draws
// a new one, CARD_SOAK_SEED=<number> replays the seed a failing run printed.
//   CARD_SOAK_JOBS=1000 CARD_SOAK_SEED=random build/tests/soak_tests
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <random>
#include <span>
#include <thread>

#include "soak_job.h"
#include "serial_link.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

struct SoakCase {
    const char* name;
    SoakJob::Kind kind;
    bool deviceAnswers;
};

// What a round does to its started job; returns the time from that to the job's end.
using Disturbance = milliseconds (*)(SoakJob& soak, std::mt19937& dice);

unsigned SoakSeed() {
    const char* text = std::getenv("CARD_SOAK_SEED");
    if (text != nullptr && std::string_view(text) == "random") return std::random_device{}();
    return EnvironmentCount("CARD_SOAK_SEED", 20261209);
}

void Soak(const char* ending, std::span<const SoakCase> cases, Disturbance disturb) {
    const unsigned jobs = EnvironmentCount("CARD_SOAK_JOBS", 40);
    const unsigned seed = SoakSeed();
    std::map<std::string, std::vector<milliseconds>> times;
    for (unsigned i = 0; i < jobs && !testing::Test::HasFailure(); ++i) {
        const SoakCase& c = cases[i % cases.size()];
        SCOPED_TRACE(testing::Message()
                     << "CARD_SOAK_SEED=" << seed << ", job " << i << " (" << c.name << ")");
        std::mt19937 dice(seed + i);
        SoakJob soak(c.kind, c.deviceAnswers, seed + i);
        const milliseconds time = disturb(soak, dice);
        times[c.name].push_back(time);
        times["all"].push_back(time);
    }
    std::cout << ending << " to done, CARD_SOAK_SEED=" << seed << ":\n";
    for (const auto& [name, list] : times)
        std::cout << "  " << name << ": " << Distribution(list) << "\n";
}

bool PortOpens(const std::string& path) {
    SerialLink link;
    link.SetPortName(path);
    link.Open();
    const bool open = link.IsOpen();
    link.Close();
    return open;
}

milliseconds PressStop(SoakJob& soak, std::mt19937& dice) {
    // A read waiting for its reply takes up to 502 ms to return with the default time-outs.
    constexpr auto kStopLimit = 600ms;
    PtyJobHarness& harness = soak.harness;
    harness.Start();
    std::this_thread::sleep_for(milliseconds(dice() % 500));
    const auto stoppedAt = Clock::now();
    harness.Stop();
    harness.Finish(5s);
    const std::string received = soak.device.Finish();

    const auto doneAt = harness.DoneAt();  // checks that WM_JOB_DONE came once and last
    const auto stopToDone = std::chrono::duration_cast<milliseconds>(doneAt - stoppedAt);
    EXPECT_GT(doneAt, stoppedAt) << "the job ended before Stop";
    EXPECT_LE(stopToDone, kStopLimit);
    EXPECT_EQ(harness.StopFlagAtDone(), 0);
    EXPECT_EQ(harness.job.StopFlag.load(), 0);
    EXPECT_TRUE(received.ends_with(kSoftReset)) << received.size() << " bytes received";
    EXPECT_TRUE(PortOpens(soak.peer.TerminalPath()));
    EXPECT_EQ(harness.job.JobLog.find(Gbk("端口")), std::string::npos) << "the port failed";
    return stopToDone;
}

milliseconds PullDevice(SoakJob& soak, std::mt19937& dice) {
    constexpr auto kNoticeLimit = 100ms;
    PtyJobHarness& harness = soak.harness;
    const std::string port = soak.peer.TerminalPath();
    harness.Start();
    // Pulled once the job talks to the device: before that it would fail to open instead.
    EXPECT_TRUE(soak.device.AwaitFirstBytes(5s));
    std::this_thread::sleep_for(milliseconds(dice() % 300));
    const auto pulledAt = soak.device.HangUp();
    harness.Finish(5s);
    soak.device.Finish();

    const auto noticed = std::chrono::duration_cast<milliseconds>(harness.DoneAt() - pulledAt);
    EXPECT_LE(noticed, kNoticeLimit);
    EXPECT_EQ(harness.StopFlagAtDone(), 0);
    const std::string& log = harness.job.JobLog;
    const auto entry = log.rfind(Gbk("端口" + port + "通信中断："));
    EXPECT_NE(entry, std::string::npos) << "no broken-port entry";
    EXPECT_TRUE(log.ends_with("\r\n" + kHyphens));
    EXPECT_EQ(log.find(kHyphens, entry), log.size() - kHyphens.size()) << "not the last entry";
    return noticed;
}

using enum SoakJob::Kind;

TEST(Soak, EveryStopEndsTheJobPromptlyAndCleanly) {
    constexpr SoakCase kCases[] = {
        {"read with cards", Read, true},   {"silent read", Read, false},
        {"single write", SingleWrite, true}, {"write waiting", SingleWrite, false},
        {"numbered run", NumberedRun, true}, {"silent numbered run", NumberedRun, false},
    };
    Soak("Stop", kCases, PressStop);
}

// A single write whose device answered sits in its pause, which only Stop ends.
TEST(Soak, EveryPulledDeviceEndsItsJobOnItsOwnWithAReason) {
    constexpr SoakCase kCases[] = {
        {"read with cards", Read, true},
        {"silent read", Read, false},
        {"write waiting", SingleWrite, false},
        {"numbered run", NumberedRun, true},
    };
    Soak("Unplug", kCases, PullDevice);
}

}  // namespace
