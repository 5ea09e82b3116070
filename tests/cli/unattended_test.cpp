// Unattended list writing end to end against the simulator: a journal that outlives a
// kill, a resumed list, the retry limit and read-back verify.
#include <gtest/gtest.h>
#include <signal.h>

#include <regex>

#include "cardsim_process.h"
#include "cli_run.h"
#include "pty_job_harness.h"
#include "wait_for.h"

namespace {

std::vector<std::string> Using(const CardsimProcess& sim, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(),
                     {"--port", sim.PortPath(), "--profile", sim.ProfilePath().string()});
    return arguments;
}

int Count(const std::string& text, const std::string& piece) {
    int count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

std::string Card(int number) {
    char value[8];
    std::snprintf(value, sizeof value, "%04d", number);
    return value;
}

TEST(Resume, KilledBatchGoesOnWithoutWritingAConfirmedCardAgain) {
    // Card 10 is refused once; card 60 gets no answer, and the kill comes while cardctl
    // waits for it.
    std::string replies;
    for (int reply = 1; reply <= 260; ++reply)
        replies += std::string(reply == 10 ? "fail" : reply == 61 ? "none" : "ok") + ",";
    replies.pop_back();
    CardsimProcess sim({"--write-replies", replies, "--write-reply-ms", "1"}, ProfileText());
    TempDir dir;
    std::string list;
    for (int card = 1; card <= 200; ++card) list += Card(card) + "\n";
    WriteFile(dir / "list.txt", list);
    const std::string journal = (dir / "journal.csv").string();
    const std::vector<std::string> batch = {"batch", (dir / "list.txt").string(), "--tracks", "2",
                                            "--journal", journal};

    CardctlProcess first(Using(sim, batch));
    ASSERT_TRUE(WaitFor([&] { return sim.Log().find("answer none") != std::string::npos; }))
        << first.Err();
    first.Signal(SIGKILL);
    first.Wait();

    std::vector<std::string> resumed = batch;
    resumed.insert(resumed.end(), {"--resume", journal});
    const CliRun second = RunCardctlHere(Using(sim, resumed));
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.err.find("59 of 200 cards are in the journal"), std::string::npos)
        << second.err;

    const std::string log = sim.Log();
    for (int card = 1; card <= 200; ++card)
        ASSERT_EQ(Count(log, "\"" + Card(card) + "\" (4 bytes); answer ok"), 1) << Card(card);
    const std::string rows = ReadFile(journal);
    EXPECT_EQ(Count(rows, "job,card,"), 1);
    EXPECT_EQ(Count(rows, ",ok,,\r\n"), 200);
}

TEST(MaxTries, RefusedCardEndsTheBatchAfterThreeTries) {
    CardsimProcess sim({"--write-replies", "fail", "--write-reply-ms", "1"}, ProfileText());
    TempDir dir;
    WriteFile(dir / "list.txt", "111\n222\n");
    CardctlProcess cardctl(Using(sim, {"batch", (dir / "list.txt").string(), "--tracks", "2"}));
    EXPECT_EQ(cardctl.Wait(), 1) << cardctl.Err();
    EXPECT_NE(cardctl.Err().find("第1/2张卡连续3次写入未成功"), std::string::npos) << cardctl.Err();
    EXPECT_NE(cardctl.Err().find("0 of 2 cards confirmed, 2 left"), std::string::npos);
    sim.Stop();
    EXPECT_EQ(Count(sim.Received(), "111"), 3);
    EXPECT_EQ(Count(sim.Received(), "222"), 0);
    EXPECT_TRUE(sim.Received().ends_with(kSoftReset));
}

TEST(Verify, CardReadBackWrongIsWrittenAgainOnTheNextBlank) {
    CardsimProcess sim({"--read-back", "same,garbled", "--swipe-ms", "20", "--write-reply-ms", "1"},
                       ProfileText());
    TempDir dir;
    WriteFile(dir / "list.txt", "111\n222\n");
    const CliRun run =
        RunCardctlHere(Using(sim, {"batch", (dir / "list.txt").string(), "--tracks", "2",
                                   "--verify", "--log", (dir / "log.txt").string(), "--log-utf8"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(run.out, std::regex(",2,,,111,ok,,\r\n.*,2,,,222,verify-failed,,"
                                                      "\r\n.*,2,,,222,ok,,\r\n$")))
        << run.out;
    EXPECT_NE(ReadFile(dir / "log.txt").find("2轨校验失败：读回的数据与写入的不同（写入：222，读回："),
              std::string::npos);
}

}  // namespace
