// A profile that lacks a command the write sequence cannot do without refuses the job
// before anything is sent; an empty slot the job never sends, or an empty expected reply,
// refuses nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "write_harness.h"

namespace writetest {
namespace {

struct EmptySlotCase {
    const char* name;
    TrackSelection tracks;
    bool continuous;
    std::vector<std::string> emptiedKeys;
    const char* missing;  // the keys the log names; nullptr when the card is written
};

void PrintTo(const EmptySlotCase& c, std::ostream* out) {
    *out << c.name;
}

class EmptySlot : public ::testing::TestWithParam<EmptySlotCase> {};

TEST_P(EmptySlot, RefusesTheJobOnlyWhenTheSequenceNeedsTheSlot) {
    const EmptySlotCase& c = GetParam();
    ProfileChanges changes = {{"SysDelay", std::to_string(kMeasuredSysDelay)}};
    for (const std::string& key : c.emptiedKeys) changes[key] = "";
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"}, changes);
    const TrackTexts texts = {"1", "2", "3"};
    harness.SetTexts(texts.track1, texts.track2, texts.track3);
    harness.job.Tracks = c.tracks;
    harness.job.Continuous = c.continuous ? 1 : 0;
    harness.job.Count = 1;

    EXPECT_EQ(harness.Run(), 0);

    EXPECT_TRUE(harness.console.MessageBoxes().empty());
    if (c.missing == nullptr) {
        EXPECT_EQ(harness.Received(), CardBytes(CardSetup{}, c.tracks, texts) + kSoftReset);
        return;
    }
    EXPECT_EQ(harness.Received(), kSoftReset);
    EXPECT_EQ(harness.job.JobLog,
              Gbk(std::string("配置文件QXProduct.ini缺少") + c.missing + "，无法写卡\r\n") +
                  std::string(54, '-') + "\r\n");
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 1);
    EXPECT_LT(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay / 2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmptySlot,
    ::testing::Values(
        EmptySlotCase{"TrackCommand", Track2, false, {"WriteTack2"}, "WriteTack2"},
        EmptySlotCase{"TailOfARun", Track3, true, {"WriteTail"}, "WriteTail"},
        EmptySlotCase{
            "BothInOneEntry", Track23, false, {"WriteTail", "WriteTack2"}, "WriteTack2、WriteTail"},
        EmptySlotCase{"PairStartsWithItsFirstTrack", Track12, true, {"WriteTack1"}, "WriteTack1"},
        EmptySlotCase{"PairCommandIsNeverSent", Track23, false, {"WriteTack23"}, nullptr},
        EmptySlotCase{"ExpectedReplyMatchesAtOnce", Track2, false, {"WriteTack2Right"}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace writetest
