// The device end closed at a random moment of a job, as when the device is pulled: every
// job must notice on its own, at once, and say so in the log.
//
//   UNPLUG_SOAK_JOBS=1000 build/tests/soak_tests --gtest_filter='UnplugSoak.*'
#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <thread>

#include "soak_job.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kNoticeLimit = 100ms;
constexpr unsigned kLatestUnplugMs = 300;

struct UnplugCase {
    const char* name;
    SoakJob::Kind kind;
    bool deviceAnswers;
};

constexpr UnplugCase kCases[] = {
    {"read with cards", SoakJob::Kind::Read, true},
    {"silent read", SoakJob::Kind::Read, false},
    {"write waiting", SoakJob::Kind::SingleWrite, false},
    {"numbered run", SoakJob::Kind::NumberedRun, true},
};

std::chrono::milliseconds RunUnpluggedJob(const UnplugCase& c, unsigned seed) {
    std::mt19937 dice(seed);
    SoakJob soak(c.kind, c.deviceAnswers, seed);
    PtyJobHarness& harness = soak.harness;
    const std::string port = soak.peer.TerminalPath();
    harness.Start();
    // Pulled once the job talks to the device: before that it would fail to open instead.
    EXPECT_TRUE(soak.device.AwaitFirstBytes(5s));
    std::this_thread::sleep_for(std::chrono::milliseconds(dice() % kLatestUnplugMs));
    const auto pulledAt = soak.device.HangUp();
    harness.Finish(5s);
    soak.device.Finish();

    const auto noticed =
        std::chrono::duration_cast<std::chrono::milliseconds>(harness.DoneAt() - pulledAt);
    EXPECT_LE(noticed, kNoticeLimit);
    EXPECT_EQ(harness.StopFlagAtDone(), 0);
    const std::string& log = harness.job.JobLog;
    const auto entry = log.rfind(Gbk("端口" + port + "通信中断："));
    EXPECT_NE(entry, std::string::npos) << "no broken-port entry";
    EXPECT_TRUE(log.ends_with("\r\n" + kHyphens));
    EXPECT_EQ(log.find(kHyphens, entry), log.size() - kHyphens.size()) << "not the last entry";
    return noticed;
}

TEST(UnplugSoak, EveryJobEndsOnItsOwnAndSaysWhy) {
    const unsigned jobs = EnvironmentCount("UNPLUG_SOAK_JOBS", 40);
    const unsigned seed = EnvironmentCount("SOAK_SEED", std::random_device{}());
    std::vector<std::chrono::milliseconds> times;
    for (unsigned i = 0; i < jobs && !HasFailure(); ++i) {
        const UnplugCase& c = kCases[i % std::size(kCases)];
        SCOPED_TRACE(testing::Message()
                     << "SOAK_SEED=" << seed << ", job " << i << " (" << c.name << ")");
        times.push_back(RunUnpluggedJob(c, seed + i));
    }
    std::cout << "Unplug to done, SOAK_SEED=" << seed << ": " << Distribution(times) << "\n";
}

}  // namespace
