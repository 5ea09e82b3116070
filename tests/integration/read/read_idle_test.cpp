// The count of fruitless reads: shared by the head wait and the data collection, carried
// from one command to the next, and the reason a command goes out again.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "read_bench.h"
#include "scripted_line.h"

namespace readtest {
namespace {

using Outcome = ReplyReader::Outcome;

const std::string kHead = "\x1b\x73";
const std::string kTail = "\x1d\x0d";

struct IdleCase {
    const char* name;
    std::vector<std::string> chunks;  // then silence
    // Outcome of the first two waits, each with the number of reads it took.
    std::vector<std::pair<Outcome, long>> waits;
};

// Test names say which case failed; the bytes of the record would not.
void PrintTo(const IdleCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadIdleCount : public ::testing::TestWithParam<IdleCase> {};

TEST_P(ReadIdleCount, DecidesWhenTheCommandGoesAgain) {
    const IdleCase& c = GetParam();
    DeviceProfile profile;
    LoadDeviceProfile(profile, SAMPLE_PROFILE_PATH);
    ScriptedLine line;
    for (const auto& chunk : c.chunks) line.Add(chunk);
    for (int i = 0; i < 200; ++i) line.Add("");
    ReplyReader reader = ReaderOn(profile, line);
    for (std::size_t i = 0; i < c.waits.size(); ++i) {
        const long before = line.Reads();
        EXPECT_EQ(reader.AwaitReply(), c.waits[i].first) << "wait " << i;
        EXPECT_EQ(line.Reads() - before, c.waits[i].second) << "wait " << i;
    }
}

std::vector<std::string> Silences(int count) {
    return std::vector<std::string>(count, "");
}

std::vector<std::string> Join(std::vector<std::string> first,
                              const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadIdleCount,
    ::testing::Values(
        IdleCase{"SilenceFromTheStart", {}, {{Outcome::Resend, 41}, {Outcome::Resend, 41}}},
        IdleCase{"GarbageCountsLikeSilence", {std::string(40, 'x')}, {{Outcome::Resend, 41}}},
        IdleCase{"CleanReplyLeavesNothingToCarry",
                 {kHead + "55" + kTail},
                 {{Outcome::Reply, 5}, {Outcome::Resend, 41}}},
        IdleCase{"PausesInAReplyCarryOver",
                 Join({kHead + "5"}, Join(Silences(3), {"5" + kTail})),
                 {{Outcome::Reply, 8}, {Outcome::Resend, 38}}},
        IdleCase{"ShortTailKeepsTheCount",
                 Join({kHead + "5"}, Join(Silences(2), {"5\x1d"})),
                 {{Outcome::Resend, 7}, {Outcome::Resend, 39}}},
        IdleCase{"SilenceMidReplyStartsAfresh",
                 Join({kHead}, Silences(41)),
                 {{Outcome::Resend, 42}, {Outcome::Resend, 41}}},
        IdleCase{"OverlongReplyStartsAfresh",
                 Join({kHead}, Join(Silences(2), {std::string(230, '5')})),
                 {{Outcome::Resend, 233}, {Outcome::Resend, 41}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace readtest
