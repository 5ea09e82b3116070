// The simulator's command line: what it accepts, and the reason it gives for what it
// refuses.
#include "sim_options.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

const DataFolders kConsole{"/console", {}, {}};

TEST(SimOptions, DefaultsToThePlacesBesideTheConsole) {
    SimOptions options;
    ASSERT_FALSE(ParseSimOptions({}, kConsole, options));
    EXPECT_EQ(options.link, "/console/ports/COM1");
    EXPECT_EQ(options.profile, "/console/QXProduct.ini");
    EXPECT_EQ(options.transcript, "");
    EXPECT_EQ(options.reading.cards.size(), SampleCards().size());
}

TEST(SimOptions, DefaultsToTheInstalledConsolesPlaces) {
    TempDir dir;
    std::filesystem::create_directories(dir / "share");
    WriteFile(dir / "share" / "QXProduct.ini", "[Command]\n");
    SimOptions options;
    ASSERT_FALSE(ParseSimOptions({}, {dir / "bin", dir / "user", dir / "share"}, options));
    EXPECT_EQ(options.link, dir / "user" / "ports" / "COM1");
    EXPECT_EQ(options.profile, dir / "share" / "QXProduct.ini");
}

TEST(SimOptions, TakesEveryOption) {
    SimOptions options;
    ASSERT_FALSE(ParseSimOptions(
        {"--link", "l", "--profile", "p", "--transcript", "t", "--read-scenario", "silent,good",
         "--swipe-ms", "0", "--read-pause-ms", "7", "--write-replies", "none,split",
         "--write-reply-ms", "8", "--write-split-ms", "9"},
        kConsole, options));
    EXPECT_EQ(options.link, "l");
    EXPECT_EQ(options.profile, "p");
    EXPECT_EQ(options.transcript, "t");
    EXPECT_EQ(options.reading.scenarios, (std::vector{SwipeScenario::Silent, SwipeScenario::Good}));
    EXPECT_EQ(options.reading.swipeMs, 0);
    EXPECT_EQ(options.reading.pauseMs, 7);
    EXPECT_EQ(options.writing.replies,
              (std::vector{WriteScenario::Reply::None, WriteScenario::Reply::Split}));
    EXPECT_EQ(options.writing.replyMs, 8);
    EXPECT_EQ(options.writing.splitMs, 9);
}

TEST(SimOptions, TakesTheFamilyFromTheOptionElseTheProfile) {
    TempDir dir;
    const std::string esc = (dir / "esc.ini").string();
    WriteFile(esc, "[protocol]\n  family = ESC-Block\n");
    const std::vector<std::pair<std::vector<std::string>, DeviceFamily>> cases = {
        {{"--profile", "/no/such.ini"}, DeviceFamily::Commands},
        {{"--profile", esc}, DeviceFamily::EscBlock},
        {{"--profile", esc, "--family", "commands"}, DeviceFamily::Commands},
    };
    for (const auto& [arguments, family] : cases) {
        SimOptions options;
        ASSERT_FALSE(ParseSimOptions(arguments, kConsole, options));
        EXPECT_EQ(options.family, family) << arguments.size();
    }
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> arguments;  // "CARDS" stands for the test's card list
    std::string cardList;
    std::string reason;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class SimOptionRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SimOptionRefusal, SaysWhy) {
    const RefusalCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", c.cardList);
    std::vector<std::string> arguments = c.arguments;
    for (auto& argument : arguments) {
        if (argument == "CARDS") argument = (dir / "cards.txt").string();
    }
    SimOptions options;
    const auto error = ParseSimOptions(arguments, kConsole, options);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(c.reason), std::string::npos) << *error;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SimOptionRefusal,
    ::testing::Values(
        RefusalCase{"UnknownOption", {"--swipe", "1"}, "", "unknown option --swipe"},
        RefusalCase{"MissingValue", {"--link"}, "", "option --link needs a value"},
        RefusalCase{
            "MissingCardList", {"--cards", "/no/such/cards.txt"}, "", "cannot read the card list"},
        RefusalCase{"EmptyCardList", {"--cards", "CARDS"}, "# nothing\n\n", "no cards in"},
        RefusalCase{"UnknownTrack",
                    {"--cards", "CARDS"},
                    "2=11\n4=22\n",
                    "cards.txt:2: expected 1=, 2= or 3="},
        RefusalCase{"TrackTwice", {"--cards", "CARDS"}, "2=11;2=22\n", "track 2 given twice"},
        RefusalCase{"BadHex", {"--cards", "CARDS"}, "2=hex:1g\n", "bad hex bytes"},
        RefusalCase{"UnknownScenario",
                    {"--read-scenario", "good,bogus"},
                    "",
                    "unknown read scenario \"bogus\""},
        RefusalCase{
            "SwipeTimeNotANumber", {"--swipe-ms", "soon"}, "", "--swipe-ms needs a whole number"},
        RefusalCase{"NegativeTime",
                    {"--write-split-ms", "-5"},
                    "",
                    "--write-split-ms needs a whole number of milliseconds, not '-5'"},
        RefusalCase{"UnknownWriteReply",
                    {"--write-replies", "ok,maybe"},
                    "",
                    "'maybe' is none of ok, fail, split, none"},
        RefusalCase{"NoWriteReply", {"--write-replies", ""}, "", "needs at least one answer"},
        RefusalCase{"UnknownFamily", {"--family", "esc"}, "", "'esc' is neither commands nor"},
        RefusalCase{"UnknownTestReply",
                    {"--test-replies", "esc,loud"},
                    "",
                    "--test-replies: 'loud' is none of esc, lone, none"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
