// Every cardctl job end to end against the simulator playing an ESC-block encoder: the
// bytes it got, and what cardctl made of its answers.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

#include "cardsim_process.h"
#include "cli_run.h"
#include "profile_text.h"

namespace {

const std::string kProfile = "[Protocol]\nFamily=esc-block\n[Command]\nSysDelay=0\n";
// Low coercivity and track 2 at 75 bpi, cardctl's defaults; the reset that ends every job.
const std::string kSetUp = Hex("1b 79 1b 62 4b");
const std::string kReset = Hex("1b 61");

std::string Block(const std::string& t1, const std::string& t2, const std::string& t3) {
    return Hex("1b 77 1b 73 1b 01") + t1 + Hex("1b 02") + t2 + Hex("1b 03") + t3 + Hex("3f 1c");
}

class EscBlockCommand : public ::testing::Test {
  protected:
    void Start(std::vector<std::string> arguments) {
        WriteFile(dir_ / "cards.txt", "1=A1;2=111;3=45\n2=;3=!\n");
        arguments.insert(arguments.end(), {"--family", "esc-block", "--cards",
                                           (dir_ / "cards.txt").string(), "--swipe-ms", "20",
                                           "--write-reply-ms", "20"});
        sim_ = std::make_unique<CardsimProcess>(arguments, kProfile);
    }
    CliRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(),
                         {"--port", sim_->PortPath(), "--profile", sim_->ProfilePath().string()});
        return RunCardctlHere(arguments);
    }
    // As a program of its own, which chooses its language as it starts.
    CliRun RunProgram(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(),
                         {"--port", sim_->PortPath(), "--profile", sim_->ProfilePath().string()});
        CardctlProcess cardctl(arguments);
        const int status = cardctl.Wait();
        return {status, cardctl.Out(), cardctl.Err()};
    }
    std::string Received() {
        sim_->Stop();
        return sim_->Received();
    }

    TempDir dir_;
    std::unique_ptr<CardsimProcess> sim_;
};

TEST_F(EscBlockCommand, ReadArmsOncePerCardAndKeepsTheSelection) {
    Start({});
    const CliRun run = Run({"read", "--tracks", "23", "--cards", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Received(), kSetUp + Hex("1b 72 1b 72") + kReset);
    // Track 1 came too but was not asked for; an empty track 2 and an unreadable track 3 failed.
    EXPECT_NE(run.out.find(",23,,,111,ok,45,ok\r\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(",23,,,,failed,,failed\r\n"), std::string::npos) << run.out;
}

TEST_F(EscBlockCommand, WritesRunsAndCopiesSendOneBlockPerCard) {
    struct Case {
        std::vector<std::string> arguments;
        std::string sent;
    };
    const Case cases[] = {
        {{"write", "--tracks", "23", "--track2", "123", "--track3", "45"}, Block("", "123", "45")},
        {{"run", "--tracks", "1", "--track1", "A", "--count", "2"}, Block("A0", "", "") + Block("A1", "", "")},
        {{"clone", "--tracks", "12"}, Hex("1b 72") + kReset + kSetUp + Block("A1", "111", "")},
        {{"write", "--tracks", "2", "--track2", "9", "--verify"}, Block("", "9", "") + Hex("1b 72")},
        {{"erase", "--tracks", "23"}, Hex("1b 63 06")},
    };
    for (const Case& c : cases) {
        Start({"--read-back", "same"});
        const CliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments[0] << run.err;
        EXPECT_EQ(Received(), kSetUp + c.sent + kReset) << c.arguments[0];
    }
}

TEST_F(EscBlockCommand, AListGoesOnWhereItsJournalEnds) {
    Start({"--write-replies", "ok,swipe-error,ok"});
    WriteFile(dir_ / "list.csv", "track2\n1\n2\n3\n");
    const std::string journal = (dir_ / "journal.csv").string();
    const CliRun first = Run({"batch", (dir_ / "list.csv").string(), "--tracks", "2", "--journal",
                              journal, "--max-tries", "1"});
    EXPECT_EQ(first.status, 1) << first.err;
    EXPECT_EQ(Received(), kSetUp + Block("", "1", "") + Block("", "2", "") + kReset);

    Start({});
    const CliRun resumed = Run({"batch", (dir_ / "list.csv").string(), "--tracks", "2", "--resume",
                                journal, "--journal", journal});
    EXPECT_EQ(resumed.status, 0) << resumed.err;
    EXPECT_EQ(Received(), kSetUp + Block("", "2", "") + Block("", "3", "") + kReset);
}

TEST_F(EscBlockCommand, RefusalsComeBeforeAnyByte) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {{"write", "--tracks", "2", "--track2", "12A"}, 2, "2轨数据含有设备不能写入的字符“A”（0x41）！"},
        {{"write", "--tracks", "2", "--track2", "12", "--card-format", "ibm"}, 2, "ISO"},
    };
    for (const Case& c : cases) {
        Start({});
        const CliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(Received().find(Hex("1b 77")), std::string::npos);
    }
}

TEST_F(EscBlockCommand, ProbeSaysWhatAnswers) {
    Start({"--test-replies", "lone"});
    const CliRun run = Run({"probe"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("answered 79 (the bridge lost the ESC)\nModel: 3\nFirmware: REVS1.00\n"),
              std::string::npos)
        << run.out;
}

// Chinese characters and the full-width punctuation that goes with them.
bool HasChinese(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8);
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x303f) || (u >= 0x4e00 && u <= 0x9fff) || u >= 0xff00;
    });
}

TEST_F(EscBlockCommand, InEnglishEveryJobSpeaksEnglish) {
    qputenv("CARDDEMO_LANG", "en");
    const std::string log = (dir_ / "log.txt").string();
    WriteFile(dir_ / "list.csv", "track2\n1\n2\n");
    const std::vector<std::string> jobs[] = {
        {"read", "--tracks", "23", "--cards", "2"},
        {"write", "--tracks", "23", "--track2", "9", "--track3", "1", "--verify"},
        {"run", "--tracks", "12", "--track1", "A", "--track2", "1", "--count", "2"},
        {"batch", (dir_ / "list.csv").string(), "--tracks", "2"},
        {"clone", "--tracks", "12"},
        {"erase", "--tracks", "1"},
        {"write", "--tracks", "2", "--track2", "12A"},
        {"probe"},
        {"--help"},
    };
    for (std::vector<std::string> job : jobs) {
        Start({"--read-back", "garbled"});
        job.insert(job.end(), {"--log", log, "--log-utf8"});
        const CliRun run = RunProgram(job);
        EXPECT_FALSE(HasChinese(run.out + run.err + ReadFile(log))) << job[0] << run.err;
        std::filesystem::remove(log);
    }
    qunsetenv("CARDDEMO_LANG");
}

TEST(EraseOnCommands, IsRefusedForAProfileWithoutAnEraseCommand) {
    CardsimProcess sim({}, ProfileText());
    const CliRun run = RunCardctlHere({"erase", "--tracks", "2", "--port", sim.PortPath(),
                                       "--profile", sim.ProfilePath().string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("没有擦卡命令"), std::string::npos) << run.err;
    sim.Stop();
    EXPECT_EQ(sim.Received(), "");
}

}  // namespace
