// What reaches the device for a single write: the sequence per track selection and
// set-up, and nothing but the reset when a text is missing.
#include <gtest/gtest.h>

#include <tuple>

#include "write_harness.h"

namespace writetest {
namespace {

const TrackTexts kTexts = {"%B6222^ZHANG", "6222021234567890=2512",
                           "996222021234567890=1561560000"};

std::string SetupName(const CardSetup& setup) {
    return std::string(setup.lowCoercivity ? "low" : "high") + " coercivity, " +
           (setup.iso ? "ISO" : "IBM") + ", track-2 " + (setup.lowDensity ? "low" : "high") +
           " density";
}

class WireBytes : public ::testing::TestWithParam<std::tuple<TrackSelection, bool, bool, bool>> {};

TEST_P(WireBytes, FollowTheSequenceForTheTracksAndSetup) {
    const auto [tracks, lowCoercivity, iso, lowDensity] = GetParam();
    const CardSetup setup{lowCoercivity, iso, lowDensity};
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"});
    harness.SetTexts(kTexts.track1, kTexts.track2, kTexts.track3);
    harness.SetSetup(setup);
    harness.job.Tracks = tracks;

    EXPECT_EQ(harness.Run(), 0);

    EXPECT_EQ(harness.Received(), CardBytes(setup, tracks, kTexts) + kSoftReset);
    // The simulator, parsing on its own, saw the same card.
    EXPECT_NE(harness.SimLog().find("card written (" + SetupName(setup) + ")"), std::string::npos)
        << harness.SimLog();
    EXPECT_TRUE(harness.console.MessageBoxes().empty());
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTrackAndSetup, WireBytes,
    ::testing::Combine(::testing::Values(Track1, Track2, Track3, Track12, Track23),
                       ::testing::Bool(), ::testing::Bool(), ::testing::Bool()));

// An empty box the selection does not write stops nothing; blanks are a text like any other.
TEST(WriteSequence, TheSelectionsTextsAreWrittenAsTheyAre) {
    const std::pair<TrackSelection, TrackTexts> cases[] = {{Track3, {"", "", "12345"}},
                                                           {Track2, {"", " ", ""}}};
    for (const auto& [tracks, texts] : cases) {
        WriteJobHarness harness;
        harness.StartSim({"--write-reply-ms", "0"});
        harness.SetTexts(texts.track1, texts.track2, texts.track3);
        harness.job.Tracks = tracks;
        harness.Run();
        EXPECT_EQ(harness.Received(), CardBytes(CardSetup{}, tracks, texts) + kSoftReset);
        EXPECT_TRUE(harness.console.MessageBoxes().empty());
    }
}

struct MissingTextCase {
    TrackSelection tracks;
    TrackTexts texts;
    const char* message;  // UTF-8
};

void PrintTo(const MissingTextCase& c, std::ostream* out) {
    *out << c.message;
}

class MissingText : public ::testing::TestWithParam<MissingTextCase> {};

TEST_P(MissingText, IsAskedForAndNothingButTheResetIsSent) {
    const MissingTextCase& c = GetParam();
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"}, {{"SysDelay", std::to_string(kMeasuredSysDelay)}});
    harness.SetTexts(c.texts.track1, c.texts.track2, c.texts.track3);
    harness.job.Tracks = c.tracks;

    EXPECT_EQ(harness.Run(), 0);

    ExpectRefusedWithoutPause(harness, c.message);
    EXPECT_EQ(harness.console.Count(WM_LOG_REFRESH), 0);
    // The box is the last thing before the ending.
    const auto events = harness.console.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2].kind, RecordingConsole::Event::Kind::MessageBox);
}

INSTANTIATE_TEST_SUITE_P(
    EachSelection, MissingText,
    ::testing::Values(MissingTextCase{Track2, {"1", "", "3"}, "请输入2轨信息！"},
                      MissingTextCase{Track3, {"1", "2", ""}, "请输入3轨信息！"},
                      MissingTextCase{Track23, {"1", "", ""}, "请输入2，3轨信息！"},
                      MissingTextCase{Track23, {"", "", "3"}, "请输入2轨信息！"},
                      MissingTextCase{Track23, {"", "2", ""}, "请输入3轨信息！"},
                      MissingTextCase{Track1, {"", "2", "3"}, "请输入1轨信息！"},
                      MissingTextCase{Track12, {"", "", "3"}, "请输入1，2轨信息！"},
                      MissingTextCase{Track12, {"", "2", ""}, "请输入1轨信息！"},
                      MissingTextCase{Track12, {"1", "", ""}, "请输入2轨信息！"}));

class NoTrackToWrite : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(NoTrackToWrite, SendsOnlyTheResetAndLogsNothing) {
    const auto [tracks, continuous] = GetParam();
    WriteJobHarness harness;
    harness.StartSim({});
    harness.SetTexts("1", "2", "3");
    harness.job.Tracks = static_cast<TrackSelection>(tracks);
    harness.job.Continuous = continuous ? 1 : 0;
    harness.job.Count = 3;
    EXPECT_EQ(harness.Run(), 0);
    EXPECT_EQ(harness.Received(), kSoftReset);
    EXPECT_EQ(harness.job.JobLog, "");
    EXPECT_TRUE(harness.console.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(NoneAndUnknown, NoTrackToWrite,
                         ::testing::Combine(::testing::Values(int{NoTrack}, 7, -1),
                                            ::testing::Bool()));

}  // namespace
}  // namespace writetest
