// `cardctl profile`: the sample's whole report, and each quirk a profile author cannot
// see in the text, warned about once.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"
#include "golden.h"
#include "profile_text.h"

namespace {

CliRun ReportOnFile(const std::string& path) {
    CliRun run = RunCardctlHere({"profile", "--profile", path});
    // The report names the file; the golden file names no particular folder.
    const std::string firstLine = "Profile: " + path + "\n";
    if (run.out.rfind(firstLine, 0) == 0) run.out.replace(0, firstLine.size(), "Profile: PATH\n");
    return run;
}

CliRun ReportOn(const std::string& profileText, TempDir& dir) {
    const auto path = dir / "QXProduct.ini";
    WriteFile(path, profileText);
    return ReportOnFile(path.string());
}

TEST(ProfileReport, SampleProfile) {
    const CliRun run = ReportOnFile(SAMPLE_PROFILE_PATH);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(MatchesGolden(run.out, "sample_profile.txt"));
}

struct Quirk {
    const char* name;
    ProfileChanges changes;
    std::vector<std::string> warnings;  // each a part of one warning line, in order
};

std::ostream& operator<<(std::ostream& out, const Quirk& quirk) {
    return out << quirk.name;
}

std::vector<std::string> WarningLines(const std::string& report) {
    std::vector<std::string> lines;
    const std::size_t start = report.find("warning");
    if (start == std::string::npos) return lines;
    std::size_t at = report.find('\n', start) + 1;
    while (at < report.size()) {
        const std::size_t end = report.find('\n', at);
        lines.push_back(report.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

class ProfileQuirk : public ::testing::TestWithParam<Quirk> {};

TEST_P(ProfileQuirk, IsWarnedAbout) {
    TempDir dir;
    const CliRun run = ReportOn(ProfileText(GetParam().changes), dir);
    EXPECT_EQ(run.status, 5);
    const std::vector<std::string> lines = WarningLines(run.out);
    ASSERT_EQ(lines.size(), GetParam().warnings.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NE(lines[i].find(GetParam().warnings[i]), std::string::npos) << lines[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, ProfileQuirk,
    ::testing::Values(
        Quirk{"UpperCaseDigits",
              {{"CmdSetISO", "0x1B0x69"}},
              {"CmdSetISO=0x1B0x69: \"B\" (upper case) read as f, so the bytes are 1f 69; "
               "write 0x1b0x69"}},
        Quirk{"NoHexDigit", {{"HardReset", "0x1g"}}, {"\"g\" (no hex digit) read as f"}},
        Quirk{"NotGroupsOfFour",
              {{"CmdCommunication", "0x1b0x6"}},
              {"CmdCommunication=0x1b0x6: 7 characters are no run of four-character groups"}},
        Quirk{"MoreThanSevenBytes",
              {{"BackCommunication", "0x010x020x030x040x050x060x070x08"}},
              {"8 bytes, but a command holds at most 7, so the key is left empty"}},
        Quirk{"ZeroEndsEarly",
              {{"WriteTail", "0x1c0x000x0d"}},
              {"WriteTail=0x1c0x000x0d: 0x00 ends the command, so only 1c is sent or compared"}},
        Quirk{"ZeroEmptiesANeededKey",
              {{"ReadTail", "0x000x0d"}},
              {"ReadTail=0x000x0d: 0x00 ends the command at once",
               "ReadTail is empty, so every read refuses to start"}},
        Quirk{"MisspeltKey",
              {{"ReadTak23", "0x1b0x35"}, {"ReadTack23", ""}},
              {"ReadTak23: unknown key; did you mean ReadTack23?",
               "ReadTack23 is empty, so read --tracks 23 sends no read command"}},
        Quirk{"NoLimit", {{"Tack2Lower", "0"}}, {"Tack2Lower is 0: 0 or less sets no limit"}},
        Quirk{"NotANumber",
              {{"Tack1Num", "abc"}},
              {"Tack1Num=abc: not a number, read as 0", "Tack1Num is 0: 0 or less"}},
        Quirk{"NeededKeyMissing",
              {{"ReadTack2", ""}, {"WriteTack23Right", ""}},
              {"ReadTack2 is empty, so read --tracks 2 sends no read command",
               "WriteTack23Right is empty, so write --tracks 23 counts every card as written"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
