#include "ini_file.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, FindsValuesTheWayThePlatformReaderDoes) {
    const IniFile file = IniFile::Parse(
        "; comment\n"
        "# another\n"
        "[Other]\n"
        "ReadHead=0x99\n"
        "[command]\r\n"
        "  sysdelay = 250  \r\n"
        "ReadHead=0x1b\n"
        "READHEAD=0x2b\n"
        "Quoted=\"0x1b0x61\"\n"
        "WithSemicolon=0x1b;tail\n"
        "NoEquals\n"
        "Empty=\n"
        "\tTabbed=0x0d\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"Command", "SysDelay", "250"},     // names without regard to case, blanks trimmed
        {"COMMAND", "readhead", "0x1b"},    // the first key wins
        {"Command", "Quoted", "0x1b0x61"},  // one pair of quotes removed
        {"Command", "WithSemicolon", "0x1b;tail"},
        {"Command", "Empty", ""},
        {"Command", "NoEquals", std::nullopt},
        {"Command", "Tabbed", "0x0d"},
        {"Other", "ReadHead", "0x99"},
        {"Missing", "ReadHead", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file.Value(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(IniFile, OnlyTheFirstSectionOfANameIsRead) {
    const char* layouts[] = {
        "[Command]\nA=1\n[Command]\nB=2\n",                // next to each other
        "[Command]\nA=1\n[Other]\nC=3\n[Command]\nB=2\n",  // another between them
        "[Command]\nA=1\n[COMMAND]\nB=2\n",                // names differ in case only
        "[Command]\n[Command]\nB=2\n",                     // the first one is empty
    };
    for (const char* text : layouts)
        EXPECT_EQ(IniFile::Parse(text).Value("Command", "B"), std::nullopt) << text;
}

TEST(IniFile, IntegersAreTheLeadingDecimalNumber) {
    const IniFile file =
        IniFile::Parse("[Command]\nA=12abc\nB=abc\nC=-40\nD= 7 \nE=99999999999\nF=\n");
    struct Case {
        const char* key;
        int32_t expected;
    } cases[] = {{"A", 12},         {"B", 0}, {"C", -40},     {"D", 7},
                 {"E", 2147483647}, {"F", 0}, {"Missing", 55}};
    for (const auto& c : cases) EXPECT_EQ(file.Integer("Command", c.key, 55), c.expected) << c.key;
}

TEST(IniFile, StringsAreCutAtTheReaderBuffer) {
    const IniFile file = IniFile::Parse("[Command]\nLong=" + std::string(500, 'x') + "\n");
    EXPECT_EQ(file.String("Command", "Long", "", 299).size(), 299u);
    EXPECT_EQ(file.String("Command", "Missing", "dflt", 299), "dflt");
}

}  // namespace
