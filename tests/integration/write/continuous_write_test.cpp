// Continuous numbered writing: the numbers each card carries, the entries, and the length
// check made before the first card.
#include <gtest/gtest.h>

#include "write_harness.h"

namespace writetest {
namespace {

struct Numbers {
    int start1 = 0, increment1 = 1, start2 = 0, increment2 = 1, start3 = 0, increment3 = 1;
};

void PrepareRun(WriteJobHarness& harness, TrackSelection tracks, const TrackTexts& texts,
                const Numbers& numbers, int count) {
    harness.job.Continuous = 1;
    harness.job.Tracks = tracks;
    harness.job.Count = count;
    harness.job.Track1Start = numbers.start1;
    harness.job.Track1Increment = numbers.increment1;
    harness.job.Track2Start = numbers.start2;
    harness.job.Track2Increment = numbers.increment2;
    harness.job.Track3Start = numbers.start3;
    harness.job.Track3Increment = numbers.increment3;
    harness.SetTexts(texts.track1, texts.track2, texts.track3);
}

std::string Cards(TrackSelection tracks, const std::vector<TrackTexts>& values) {
    std::string bytes;
    for (const auto& value : values) bytes += CardBytes(CardSetup{}, tracks, value);
    return bytes;
}

TEST(ContinuousWrite, NumbersTheCardsAndPausesOnceAfterTheLast) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"}, {{"SysDelay", std::to_string(kMeasuredSysDelay)}});
    PrepareRun(harness, Track2, {"", "AB", ""}, {.start2 = 5, .increment2 = 10}, 3);

    EXPECT_EQ(harness.Run(), 0);

    EXPECT_EQ(harness.Received(),
              Cards(Track2, {{"", "AB5", ""}, {"", "AB15", ""}, {"", "AB25", ""}}) + kSoftReset);
    EXPECT_EQ(harness.job.JobLog, Entry(Gbk("写2轨成功，共写入3个数据\r\nAB5\r\n")) +
                                      Entry(Gbk("写2轨成功，共写入4个数据\r\nAB15\r\n")) +
                                      Entry(Gbk("写2轨成功，共写入4个数据\r\nAB25\r\n")));
    // One refresh per card, no pause between cards, the pause once at the end.
    std::vector<Clock::time_point> refreshes;
    for (const auto& event : harness.console.Events()) {
        if (event.kind == RecordingConsole::Event::Kind::Message &&
            event.message == WM_LOG_REFRESH) {
            refreshes.push_back(event.when);
        }
    }
    ASSERT_EQ(refreshes.size(), 3u);
    for (std::size_t i = 1; i < refreshes.size(); ++i) {
        EXPECT_LT(refreshes[i] - refreshes[i - 1], milliseconds(kMeasuredSysDelay / 2));
    }
    EXPECT_GE(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay - 50));
}

TEST(ContinuousWrite, AFailedCardIsWrittenAgainWithTheSameNumber) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", "ok,fail,ok,ok"});
    PrepareRun(harness, Track2, {"", "AB", ""}, {.start2 = 5, .increment2 = 10}, 3);

    harness.Run();

    EXPECT_EQ(
        harness.Received(),
        Cards(Track2, {{"", "AB5", ""}, {"", "AB15", ""}, {"", "AB15", ""}, {"", "AB25", ""}}) +
            kSoftReset);
    EXPECT_EQ(harness.job.JobLog, Entry(Gbk("写2轨成功，共写入3个数据\r\nAB5\r\n")) +
                                      Entry(Gbk("写2轨失败！\r\n")) +
                                      Entry(Gbk("写2轨成功，共写入4个数据\r\nAB15\r\n")) +
                                      Entry(Gbk("写2轨成功，共写入4个数据\r\nAB25\r\n")));
}

struct NumberingCase {
    const char* name;
    TrackSelection tracks;
    TrackTexts texts;
    Numbers numbers;
    int count;
    std::vector<TrackTexts> cards;
};

void PrintTo(const NumberingCase& c, std::ostream* out) {
    *out << c.name;
}

class Numbering : public ::testing::TestWithParam<NumberingCase> {};

TEST_P(Numbering, GivesEachTrackItsOwnNumber) {
    const NumberingCase& c = GetParam();
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"});
    PrepareRun(harness, c.tracks, c.texts, c.numbers, c.count);
    harness.Run();
    EXPECT_EQ(harness.Received(), Cards(c.tracks, c.cards) + kSoftReset);
    EXPECT_TRUE(harness.console.MessageBoxes().empty());
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Numbering,
    ::testing::Values(NumberingCase{"EmptyTextGivesTheBareNumber",
                                    Track2,
                                    {"", "", ""},
                                    {},
                                    3,
                                    {{"", "0", ""}, {"", "1", ""}, {"", "2", ""}}},
                      NumberingCase{"IncrementZero",
                                    Track3,
                                    {"", "", "X"},
                                    {.start3 = 7, .increment3 = 0},
                                    3,
                                    {{"", "", "X7"}, {"", "", "X7"}, {"", "", "X7"}}},
                      NumberingCase{"Tracks23",
                                    Track23,
                                    {"", "A", "B"},
                                    {.start2 = 1, .increment2 = 2, .start3 = 50, .increment3 = 5},
                                    3,
                                    {{"", "A1", "B50"}, {"", "A3", "B55"}, {"", "A5", "B60"}}},
                      NumberingCase{"Track1",
                                    Track1,
                                    {"N", "", ""},
                                    {.start1 = 98, .increment1 = 1},
                                    3,
                                    {{"N98", "", ""}, {"N99", "", ""}, {"N100", "", ""}}},
                      NumberingCase{"Tracks12",
                                    Track12,
                                    {"N", "M", "unused"},
                                    {.start1 = 3, .increment1 = 4, .start2 = 0, .increment2 = 1},
                                    2,
                                    {{"N3", "M0", ""}, {"N7", "M1", ""}}},
                      NumberingCase{"CountOne",
                                    Track2,
                                    {"", "Z", ""},
                                    {.start2 = 99, .increment2 = 99},
                                    1,
                                    {{"", "Z99", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContinuousWrite, AnEmptyExpectedReplyWritesTheWholeRunWithoutWaiting) {
    WriteJobHarness harness;
    harness.StartSim({"--write-replies", "none"}, {{"WriteTack2Right", ""}});
    PrepareRun(harness, Track2, {"", "C", ""}, {}, 3);
    harness.Run();
    EXPECT_EQ(harness.Received(),
              Cards(Track2, {{"", "C0", ""}, {"", "C1", ""}, {"", "C2", ""}}) + kSoftReset);
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 3);
}

TEST(ContinuousWrite, ACountOfZeroSendsNothing) {
    WriteJobHarness harness;
    harness.StartSim({});
    PrepareRun(harness, Track2, {"", "C", ""}, {}, 0);
    harness.Run();
    EXPECT_EQ(harness.Received(), kSoftReset);
    EXPECT_EQ(harness.job.JobLog, "");
}

struct LengthCase {
    const char* name;
    TrackSelection tracks;
    bool lowDensity;
    TrackTexts texts;
    Numbers numbers;
    int count;
    ProfileChanges profile;
    const char* refusal;  // UTF-8; nullptr when the run goes ahead
};

void PrintTo(const LengthCase& c, std::ostream* out) {
    *out << c.name;
}

class LengthCheck : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthCheck, RefusesTheRunBeforeTheFirstCardOrLetsItGo) {
    const LengthCase& c = GetParam();
    WriteJobHarness harness;
    ProfileChanges profile = c.profile;
    // Only a refusal's missing pause is looked at; a run that goes ahead need not wait.
    if (c.refusal != nullptr) profile["SysDelay"] = std::to_string(kMeasuredSysDelay);
    harness.StartSim({"--write-reply-ms", "0"}, profile);
    PrepareRun(harness, c.tracks, c.texts, c.numbers, c.count);
    harness.job.LowDensity = c.lowDensity ? 1 : 0;
    const CardSetup setup{false, false, c.lowDensity};

    harness.Run();

    if (c.refusal != nullptr) {
        ExpectRefusedWithoutPause(harness, c.refusal);
    } else {
        EXPECT_TRUE(harness.console.MessageBoxes().empty());
        EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), c.count);
        EXPECT_TRUE(harness.Received().starts_with(SetupBytes(setup))) << "no card was written";
    }
}

const std::string k35(35, 'a');
const std::string k103(103, 'c');

INSTANTIATE_TEST_SUITE_P(
    Boundaries, LengthCheck,
    ::testing::Values(
        // The number one past the last card's decides: 35 bytes and "10" are 37 > 36.
        LengthCase{"LowDensityTrack2OnePastTheLimit",
                   Track2,
                   true,
                   {"", k35, ""},
                   {},
                   10,
                   {},
                   "请重新设定2轨连写参数！"},
        LengthCase{"LowDensityTrack2AtTheLimit", Track2, true, {"", k35, ""}, {}, 9, {}, nullptr},
        LengthCase{"HighDensityTrack2UsesTheHighLimit",
                   Track2,
                   false,
                   {"", k35 + "12345", ""},
                   {},
                   1,
                   {},
                   nullptr},
        LengthCase{"Track3AtTheLimit", Track3, false, {"", "", k103}, {}, 1, {}, nullptr},
        LengthCase{"Track3PastTheLimit",
                   Track3,
                   false,
                   {"", "", k103},
                   {},
                   10,
                   {},
                   "请重新设定3轨连写参数！"},
        LengthCase{"Track3IgnoresTheDensity", Track3, true, {"", "", k103}, {}, 1, {}, nullptr},
        LengthCase{"Tracks23TestTrack2First",
                   Track23,
                   true,
                   {"", k35, k103},
                   {},
                   10,
                   {},
                   "请重新设定2轨连写参数！"},
        LengthCase{"Tracks23Track3Alone",
                   Track23,
                   true,
                   {"", "x", k103},
                   {},
                   10,
                   {},
                   "请重新设定3轨连写参数！"},
        LengthCase{"Track1AtTheLimit",
                   Track1,
                   false,
                   {"ABC", "", ""},
                   {.start1 = 10, .increment1 = 89},
                   1,
                   {{"Tack1Num", "5"}},
                   nullptr},
        LengthCase{"Track1PastTheLimit",
                   Track1,
                   false,
                   {"ABC", "", ""},
                   {.start1 = 10, .increment1 = 89},
                   2,
                   {{"Tack1Num", "5"}},
                   "请重新设定1轨连写参数！"},
        LengthCase{"Tracks12TestTrack1First",
                   Track12,
                   true,
                   {"ABC", k35, ""},
                   {},
                   100,
                   {{"Tack1Num", "5"}},
                   "请重新设定1轨连写参数！"},
        LengthCase{"Tracks12Track2Alone",
                   Track12,
                   true,
                   {"A", k35, ""},
                   {},
                   10,
                   {{"Tack1Num", "5"}},
                   "请重新设定2轨连写参数！"},
        LengthCase{"ALimitOfZeroSetsNone",
                   Track3,
                   false,
                   {"", "", std::string(110, 'z')},
                   {},
                   1,
                   {{"Tack2High", "0"}},
                   nullptr},
        // Past what the device's buffers take, whatever the profile allows.
        LengthCase{"DataAt119Bytes",
                   Track3,
                   false,
                   {"", "", std::string(118, 'z')},
                   {},
                   1,
                   {{"Tack2High", "200"}},
                   nullptr},
        LengthCase{"DataPast119Bytes",
                   Track3,
                   false,
                   {"", "", std::string(118, 'z')},
                   {},
                   10,
                   {{"Tack2High", "200"}},
                   "3轨数据超过119个字节！"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace writetest
