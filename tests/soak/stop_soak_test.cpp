// Stop pressed at a random moment of read, single-write and numbered-run jobs, with the
// serial time-outs a real console uses. Every job must end promptly and cleanly however
// the moment falls: waiting for a head, inside a card, waiting for a write reply, in the
// pause after a write.
//
//   STOP_SOAK_JOBS=1000 build/tests/soak_tests --gtest_filter='StopSoak.*'
//   SOAK_SEED=<seed printed by a failing run> reproduces its moments.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <random>
#include <thread>

#include "soak_job.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A read waiting for its reply takes up to 502 ms to return with the default time-outs.
constexpr auto kStopLimit = 600ms;
constexpr unsigned kLatestStopMs = 500;

bool PortOpens(const std::string& path) {
    SerialLink link;
    link.SetPortName(path);
    link.Open();
    const bool open = link.IsOpen();
    link.Close();
    return open;
}

std::chrono::milliseconds RunStoppedJob(SoakJob::Kind kind, unsigned seed) {
    std::mt19937 dice(seed);
    SoakJob soak(kind, dice() % 4 != 0, seed);
    PtyJobHarness& harness = soak.harness;
    harness.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(dice() % kLatestStopMs));
    const auto stoppedAt = Clock::now();
    harness.Stop();
    harness.Finish(5s);
    const std::string received = soak.device.Finish();

    const auto doneAt = harness.DoneAt();  // checks that WM_JOB_DONE came once and last
    const auto stopToDone =
        std::chrono::duration_cast<std::chrono::milliseconds>(doneAt - stoppedAt);
    EXPECT_GT(doneAt, stoppedAt) << "the job ended before Stop";
    EXPECT_LE(stopToDone, kStopLimit);
    EXPECT_EQ(harness.StopFlagAtDone(), 0);
    EXPECT_EQ(harness.job.StopFlag.load(), 0);
    EXPECT_TRUE(received.ends_with(kSoftReset)) << received.size() << " bytes received";
    EXPECT_TRUE(PortOpens(soak.peer.TerminalPath()));
    EXPECT_EQ(harness.job.JobLog.find(Gbk("端口")), std::string::npos) << "the port failed";
    return stopToDone;
}

TEST(StopSoak, EveryStopEndsTheJobPromptlyAndCleanly) {
    const unsigned jobs = EnvironmentCount("STOP_SOAK_JOBS", 40);
    const unsigned seed = EnvironmentCount("SOAK_SEED", std::random_device{}());
    constexpr SoakJob::Kind kKinds[] = {SoakJob::Kind::Read, SoakJob::Kind::SingleWrite,
                                        SoakJob::Kind::NumberedRun};
    std::map<std::string, std::vector<std::chrono::milliseconds>> times;
    for (unsigned i = 0; i < jobs && !HasFailure(); ++i) {
        const SoakJob::Kind kind = kKinds[i % 3];
        SCOPED_TRACE(testing::Message()
                     << "SOAK_SEED=" << seed << ", job " << i << " (" << KindName(kind) << ")");
        const auto time = RunStoppedJob(kind, seed + i);
        times[KindName(kind)].push_back(time);
        times["all"].push_back(time);
    }
    std::cout << "Stop to done, SOAK_SEED=" << seed << ":\n";
    for (const auto& [kind, list] : times)
        std::cout << "  " << kind << ": " << Distribution(list) << "\n";
}

}  // namespace
