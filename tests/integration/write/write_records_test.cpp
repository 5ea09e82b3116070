// The record each write kind leaves per card: its place, the bytes the device received
// and whether the device confirmed them.
#include <gtest/gtest.h>

#include "record_lines.h"
#include "write_harness.h"

namespace writetest {
namespace {

struct RecordCase {
    const char* name;
    TrackSelection tracks;
    int continuous;
    std::vector<TrackTexts> list;  // UTF-8; a list write when not empty
    const char* replies;
    const char* records;  // UTF-8, as RecordLines gives them
};

class WriteRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(WriteRecords, HoldWhatTheDeviceReceivedCardByCard) {
    const RecordCase& c = GetParam();
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", c.replies});
    harness.SetTexts("A", Gbk("李"), "45");
    harness.job.Tracks = c.tracks;
    harness.job.Continuous = c.continuous;
    harness.job.Count = 2;
    harness.job.Track2Start = 5;
    harness.job.Track2Increment = 10;
    for (const TrackTexts& card : c.list)
        harness.job.CardList.push_back({Gbk(card.track1), Gbk(card.track2), Gbk(card.track3)});
    harness.job.JobNumber = 3;
    const std::string before = CurrentLocalTime();

    harness.Run();

    EXPECT_EQ(RecordLines(harness.job.Records), Gbk(c.records));
    std::string cards;
    for (const CardRecord& record : harness.job.Records) {
        EXPECT_TRUE(before <= record.Time() && record.Time() <= CurrentLocalTime())
            << record.Time();
        cards += CardBytes(CardSetup{}, c.tracks,
                           {std::string(record.Bytes(1)), std::string(record.Bytes(2)),
                            std::string(record.Bytes(3))});
    }
    EXPECT_EQ(harness.Received(), cards + kSoftReset);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WriteRecords,
    ::testing::Values(
        RecordCase{"Single", Track23, 0, {}, "ok", "3/1 write 23 2+李 3+45\n"},
        RecordCase{"SingleRefused", Track1, 0, {}, "fail", "3/1 write 1 1-A\n"},
        RecordCase{"Numbered",
                   Track2,
                   1,
                   {},
                   "ok,fail,ok",
                   "3/1 write 2 2+李5\n3/2 write 2 2-李15\n3/3 write 2 2+李15\n"},
        RecordCase{"List3", Track3, 0, {{"", "", "31\r\n2"}}, "ok", "3/1 write 3 3+31\r\n2\n"},
        RecordCase{"List12",
                   Track12,
                   0,
                   {{"N1", "M1", ""}, {"N2", "M2", ""}},
                   "ok,fail,ok",
                   "3/1 write 12 1+N1 2+M1\n3/2 write 12 1-N2 2-M2\n3/3 write 12 1+N2 2+M2\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace writetest
