// Bad arguments and bad input: one line on stderr that says what to write instead, the
// exit status, and not a byte sent to the device.
#include <gtest/gtest.h>

#include <algorithm>

#include "cardsim_process.h"
#include "cli_run.h"
#include "profile_text.h"

namespace {

struct BadInput {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* says;  // part of the message
};

std::ostream& operator<<(std::ostream& out, const BadInput& input) {
    return out << input.name;
}

void ExpectOneLineSaying(const std::string& err, const std::string& part) {
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("cardctl: ", 0), 0U) << err;
    EXPECT_NE(err.find(part), std::string::npos) << err;
}

class CommandLineRefused : public ::testing::TestWithParam<BadInput> {};

TEST_P(CommandLineRefused, SaysWhatToWriteInstead) {
    const CliRun run = RunCardctlHere(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, "");
    ExpectOneLineSaying(run.err, GetParam().says);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRefused,
    ::testing::Values(
        BadInput{"NoCommand", {}, 2, "write one of read, write, run, batch FILE"},
        BadInput{"UnknownCommand", {"format"}, 2, "unknown command \"format\""},
        BadInput{"UnknownOption", {"read", "--tracks", "2", "--speed", "9"}, 2, "'speed'"},
        BadInput{"MissingValue", {"read", "--tracks"}, 2, "--tracks"},
        BadInput{"JobWithoutTracks", {"write", "--track2", "1"}, 2, "add --tracks"},
        BadInput{"TracksOutOfSet", {"read", "--tracks", "13"}, 2, "write 1, 2, 3, 12 or 23"},
        BadInput{"CountZero", {"run", "--tracks", "2", "--count", "0"}, 2, "from 1 to 9999"},
        BadInput{"CountNotANumber",
                 {"run", "--tracks", "2", "--count", "ten"},
                 2,
                 "--count ten: write a whole number from 1 to 9999"},
        BadInput{"StartTooLarge", {"run", "--tracks", "2", "--start2", "100"}, 2, "from 0 to 99"},
        BadInput{"StepNegative", {"run", "--tracks", "3", "--step3", "-1"}, 2, "from 0 to 99"},
        BadInput{"CardsZero", {"read", "--tracks", "2", "--cards", "0"}, 2, "--cards 0"},
        BadInput{"DensityWord",
                 {"read", "--tracks", "2", "--density", "medium"},
                 2,
                 "write low or high"},
        BadInput{
            "FormatWord", {"read", "--tracks", "2", "--card-format", "aba"}, 2, "write iso or ibm"},
        BadInput{"Language", {"ports", "--lang", "fr"}, 2, "--lang fr: write zh or en"},
        BadInput{"LineSettings",
                 {"read", "--tracks", "2", "--line", "baud=fast"},
                 2,
                 "baud=9600 parity=N data=8 stop=1"},
        BadInput{"OptionOfAnotherCommand",
                 {"write", "--tracks", "2", "--cards", "3"},
                 2,
                 "--cards is not an option of write"},
        BadInput{"TextOutsideSelection",
                 {"write", "--tracks", "2", "--track3", "1"},
                 2,
                 "--track3 is not written with --tracks 2"},
        BadInput{"BatchWithoutList", {"batch", "--tracks", "2"}, 2, "cardctl batch FILE"},
        BadInput{"ExtraArgument", {"read", "now", "--tracks", "2"}, 2, "no argument \"now\""},
        BadInput{
            "RecordsEnding", {"read", "--tracks", "2", "--records", "out.txt"}, 2, ".csv or .json"},
        BadInput{"Utf8LogWithoutLog",
                 {"read", "--tracks", "2", "--log-utf8"},
                 2,
                 "--log job.log --log-utf8"},
        BadInput{"MissingProfile",
                 {"profile", "--profile", "/nonexistent/QXProduct.ini"},
                 3,
                 "cannot read the profile /nonexistent/QXProduct.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

// Input that only the profile or the port can judge: the simulator stands by and must
// hear nothing.
class JobInputRefused : public ::testing::TestWithParam<BadInput> {
  protected:
    static std::string Profile() {
        return ProfileText({{"Tack2Lower", "36"}, {"Tack2High", "104"}, {"WriteTack3", ""}});
    }
};

TEST_P(JobInputRefused, BeforeTheDeviceHearsAByte) {
    CardsimProcess sim({}, Profile());
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "PORT") argument = sim.PortPath();
    }
    arguments.insert(arguments.end(), {"--profile", sim.ProfilePath().string()});
    if (std::find(arguments.begin(), arguments.end(), "--port") == arguments.end())
        arguments.insert(arguments.end(), {"--port", sim.PortPath()});

    const CliRun run = RunCardctlHere(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    ExpectOneLineSaying(run.err, GetParam().says);
    sim.Stop();
    EXPECT_EQ(sim.Received(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobInputRefused,
    ::testing::Values(
        BadInput{"WriteWithoutText",
                 {"write", "--tracks", "23", "--track2", "1"},
                 2,
                 "add --track3 TEXT"},
        BadInput{"TextOverDensityLimit",
                 {"write", "--tracks", "2", "--track2", std::string(37, '1')},
                 2,
                 "37"},
        BadInput{
            "TextNotGbk", {"write", "--tracks", "2", "--track2", "1\xF0\x9F\x98\x80"}, 2, "GBK"},
        // The run checks its texts with the number one step past the last card.
        BadInput{"RunPastLimit",
                 {"run", "--tracks", "2", "--track2", std::string(35, '1'), "--count", "10"},
                 2,
                 "the number 10"},
        // Padded, the number counts with its zeros: 33 + 4 bytes is past 36.
        BadInput{"RunDigitsPastLimit",
                 {"run", "--tracks", "2", "--track2", std::string(33, '1'), "--digits", "4"},
                 2,
                 "the number 0001"},
        BadInput{"ProfileWithoutTrackCommand",
                 {"write", "--tracks", "3", "--track3", "1"},
                 3,
                 "leaves WriteTack3 empty"},
        BadInput{"MissingPort",
                 {"read", "--tracks", "2", "--port", "/nonexistent/tty"},
                 3,
                 "cannot open the port /nonexistent/tty"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(Help, GivesAnExamplePerCommand) {
    const CliRun run = RunCardctlHere({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* command : {"read", "write", "run", "batch", "clone", "ports", "profile"}) {
        const std::string example = std::string("\n  cardctl ") + command;
        const std::size_t at = run.out.find(example);
        ASSERT_NE(at, std::string::npos) << command;
        EXPECT_TRUE(std::string(" \n").find(run.out[at + example.size()]) != std::string::npos);
    }
}

}  // namespace

namespace {

// cardctl's language is chosen in main(), so it runs as a process of its own. The bare
// system (C locale) keeps today's English; CARDDEMO_LANG or --lang naming Chinese gives
// Chinese, also for the help and for a command line the parser itself refuses.
struct LanguageRun {
    const char* name;
    const char* environment;  // CARDDEMO_LANG, or unset
    std::vector<std::string> arguments;
    const char* says;
};

std::ostream& operator<<(std::ostream& out, const LanguageRun& run) {
    return out << run.name;
}

class Language : public ::testing::TestWithParam<LanguageRun> {};

TEST_P(Language, MessagesFollowTheChosenLanguage) {
    setenv("LC_ALL", "C.UTF-8", 1);
    if (GetParam().environment) setenv("CARDDEMO_LANG", GetParam().environment, 1);
    CardctlProcess cardctl(GetParam().arguments);
    unsetenv("CARDDEMO_LANG");
    cardctl.Wait();
    EXPECT_NE((cardctl.Out() + cardctl.Err()).find(GetParam().says), std::string::npos)
        << cardctl.Out() << cardctl.Err();
}

INSTANTIATE_TEST_SUITE_P(
    Cardctl, Language,
    ::testing::Values(
        LanguageRun{"BareSystem", nullptr, {"read", "--tracks", "13"}, "write 1, 2, 3, 12 or 23"},
        LanguageRun{"Environment", "zh", {"read", "--tracks", "13"}, "请写 1、2、3、12 或 23"},
        LanguageRun{"OptionForTheHelp", "en", {"--help", "--lang", "zh"}, "用法：cardctl 命令"},
        LanguageRun{"OptionForTheParser",
                    nullptr,
                    {"read", "--lang", "zh", "--speed", "9"},
                    "cardctl --help 列出所有选项"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
