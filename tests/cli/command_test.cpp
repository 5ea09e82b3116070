// Each command end to end against the simulator, and the exit status as a shell sees it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QStringList>
#include <sstream>

#include "cardctl.h"
#include "cardsim_process.h"
#include "cli_output.h"
#include "cli_run.h"
#include "profile_text.h"
#include "pty_job_harness.h"
#include "record_export.h"
#include "wait_for.h"

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// The simulator's port and profile, given first so that a case's own --port wins.
std::vector<std::string> Using(const CardsimProcess& sim, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(),
                     {"--port", sim.PortPath(), "--profile", sim.ProfilePath().string()});
    return arguments;
}

TEST(Clone, WritesTheCardReadOntoEachBlank) {
    TempDir dir;
    WriteFile(dir / "cards.txt", "2=6011000099990001=3001;3=996011000099990001=156\n");
    CardsimProcess sim(
        {"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20", "--write-reply-ms", "20"},
        ProfileText());
    const CliRun run = RunCardctlHere(Using(sim, {"clone", "--tracks", "23", "--count", "3"}));
    EXPECT_EQ(run.status, 0) << run.err;
    sim.Stop();

    const std::string readCommand = Hex("1b 72 35");
    std::string expected = readCommand + readCommand + kSoftReset;
    for (int card = 0; card < 3; ++card) {
        expected += Hex("1b 69 1b 6c 1b 77 32") + "6011000099990001=3001" + Hex("1f") +
                    "996011000099990001=156" + Hex("1c 0d 1b 3f");
    }
    EXPECT_EQ(sim.Received(), expected + kSoftReset);
    // One record read in job 1, three written in job 2.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5) << run.out;
    EXPECT_NE(run.out.find("\r\n2,3,"), std::string::npos) << run.out;
}

TEST(Batch, BadListIsReportedLineByLineAndNothingSent) {
    CardsimProcess sim({}, ProfileText());
    TempDir dir;
    WriteFile(dir / "cards.csv", "track2\n" + std::string(40, '1') + "\n12\n\"3\n");
    const CliRun run =
        RunCardctlHere(Using(sim, {"batch", (dir / "cards.csv").string(), "--tracks", "2"}));
    EXPECT_EQ(run.status, 2);
    const std::string file = (dir / "cards.csv").string();
    EXPECT_EQ(run.err.rfind(file + ":2: ", 0), 0U) << run.err;
    EXPECT_NE(run.err.find("\n" + file + ":4: "), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    sim.Stop();
    EXPECT_EQ(sim.Received(), "");
}

TEST(Batch, CtrlCLeavesACompleteRecordsFileAndResetsTheDevice) {
    // The first card is confirmed; the second waits for a reply that never comes.
    CardsimProcess sim({"--write-replies", "ok,none", "--write-reply-ms", "20"}, ProfileText());
    TempDir dir;
    WriteFile(dir / "cards.txt", "111\n222\n");
    CardctlProcess cardctl(Using(sim, {"batch", (dir / "cards.txt").string(), "--tracks", "2",
                                       "--records", (dir / "written.csv").string()}));
    const std::string secondCard = "222" + Hex("1c 0d 1b 3f");
    ASSERT_TRUE(WaitFor([&] { return sim.Received().find(secondCard) != std::string::npos; }));
    cardctl.Signal(SIGINT);
    EXPECT_EQ(cardctl.Wait(), 130) << cardctl.Err();
    EXPECT_EQ(cardctl.Err().find("stopped with"), std::string::npos) << cardctl.Err();
    EXPECT_NE(cardctl.Err().find("cardctl: 1 of 2 cards confirmed, 1 left; to go on, run the "
                                 "same batch with --resume "),
              std::string::npos);
    EXPECT_TRUE(sim.Received().ends_with(kSoftReset));

    const std::string records = ReadFile(dir / "written.csv");
    EXPECT_EQ(records.rfind(kBom + RecordsCsvHeader() + "1,1,", 0), 0U) << records;
    EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 2) << records;
    EXPECT_NE(records.find(",write,2,,,111,ok,,\r\n"), std::string::npos) << records;
}

TEST(Read, LostPortEndsTheJobWithItsReason) {
    CardsimProcess sim({"--swipe-ms", "600000"}, ProfileText());
    CardctlProcess cardctl(Using(sim, {"read", "--tracks", "2"}));
    ASSERT_TRUE(WaitFor([&] { return !sim.Received().empty(); }));
    sim.Stop();
    EXPECT_EQ(cardctl.Wait(), 3);
    EXPECT_NE(cardctl.Err().find("cardctl: 端口"), std::string::npos) << cardctl.Err();
}

// Standard output that takes `room` bytes and then fails, as a pipe whose reader went away.
class ClosingOutput : public std::streambuf {
  public:
    explicit ClosingOutput(std::size_t room) : room_(room) {}

  protected:
    int overflow(int c) override { return room_-- > 0 ? c : traits_type::eof(); }

  private:
    std::size_t room_;
};

TEST(Read, ReaderGoneStopsTheJobAsStopDoes) {
    CardsimProcess sim({"--swipe-ms", "20"}, ProfileText());
    ClosingOutput pipe(RecordsCsvHeader().size() + 10);
    std::ostream out(&pipe);
    std::ostringstream err;
    const CliEnvironment environment{out, err, false, kShortTimeouts, {}};
    const QStringList arguments{"cardctl",   "read",
                                "--tracks",  "2",
                                "--port",    QString::fromStdString(sim.PortPath()),
                                "--profile", QString::fromStdString(sim.ProfilePath().string())};
    EXPECT_EQ(RunCardctl(arguments, environment), 130) << err.str();
    sim.Stop();
    EXPECT_TRUE(sim.Received().ends_with(kSoftReset));
}

struct ShellRun {
    const char* name;
    std::vector<std::string> simArguments;
    std::vector<std::string> arguments;
    int status;
};

std::ostream& operator<<(std::ostream& out, const ShellRun& run) {
    return out << run.name;
}

class ExitStatus : public ::testing::TestWithParam<ShellRun> {};

TEST_P(ExitStatus, ReachesTheShell) {
    std::vector<std::string> simArguments = GetParam().simArguments;
    simArguments.insert(simArguments.end(), {"--write-reply-ms", "20"});
    CardsimProcess sim(simArguments, ProfileText());
    CardctlProcess cardctl(Using(sim, GetParam().arguments));
    EXPECT_EQ(cardctl.Wait(), GetParam().status) << cardctl.Err();
}

INSTANTIATE_TEST_SUITE_P(
    Shell, ExitStatus,
    ::testing::Values(ShellRun{"Done", {}, {"write", "--tracks", "2", "--track2", "1"}, 0},
                      ShellRun{"NotConfirmed",
                               {"--write-replies", "fail"},
                               {"write", "--tracks", "2", "--track2", "1"},
                               1},
                      ShellRun{"BadArguments", {}, {"write", "--tracks", "2"}, 2},
                      ShellRun{"JournalFailed",
                               {},
                               {"write", "--tracks", "2", "--track2", "1", "--journal", "/no/j"},
                               4},
                      ShellRun{"PortFailure",
                               {},
                               {"write", "--tracks", "2", "--track2", "1", "--port", "/no"},
                               3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Run, DigitsPadEachNumberWithZeros) {
    CardsimProcess sim({"--write-reply-ms", "20"}, ProfileText());
    const CliRun run = RunCardctlHere(Using(sim, {"run", "--tracks", "2", "--track2", "6227",
                                                  "--count", "2", "--start2", "9", "--digits", "3"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(",6227009,ok"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(",6227010,ok"), std::string::npos) << run.out;
}

TEST(Progress, IsRedrawnInPlaceOnATerminal) {
    std::ostringstream out;
    std::ostringstream err;
    CliOutput output(out, err, true, false);
    output.Progress("1/2 cards, 0 not confirmed");
    output.Progress("2/2 cards, 0 not confirmed");
    output.Error("cardctl: done");
    EXPECT_EQ(err.str(),
              "\r1/2 cards, 0 not confirmed\x1b[K\r2/2 cards, 0 not confirmed\x1b[K\n"
              "cardctl: done\n");
}

}  // namespace
