// Unattended list writing end to end against the simulator: a journal that outlives a
// kill, a resumed list, the retry limit and read-back verify.
#include <gtest/gtest.h>
#include <signal.h>

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>

#include "card_list.h"
#include "cardsim_process.h"
#include "cli_run.h"
#include "pty_job_harness.h"
#include "record_export.h"
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
    resumed.insert(resumed.end(), {"--resume", journal, "--rewrite-unsure"});
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

TEST(Resume, OneCommandLineServesTheFirstRunAndTheRerun) {
    CardsimProcess sim({"--write-replies", "ok,ok,ok,ok,fail,ok,fail,ok", "--write-reply-ms", "1"},
                       ProfileText());
    TempDir dir;
    WriteFile(dir / "list.txt", "1\n2\n3\n4\n5\n6\n");
    const std::string journal = (dir / "journal.csv").string();
    const std::vector<std::string> batch = Using(
        sim, {"batch", (dir / "list.txt").string(), "--tracks", "2", "--max-tries", "1",
              "--resume", journal, "--journal", journal});

    const CliRun first = RunCardctlHere(batch);
    EXPECT_EQ(first.status, 1) << first.err;
    EXPECT_EQ(Count(first.err, "no such journal yet"), 1) << first.err;
    // A rerun cut short again speaks of the whole list.
    const CliRun second = RunCardctlHere(batch);
    EXPECT_EQ(second.status, 1) << second.err;
    EXPECT_NE(second.err.find("已确认5张，还剩1张"), std::string::npos) << second.err;
    EXPECT_NE(second.err.find("5 of 6 cards confirmed, 1 left"), std::string::npos) << second.err;
    EXPECT_EQ(RunCardctlHere(batch).status, 0);
    // job,card,row: the reruns' cards, each a sending row and an answered one.
    const std::string rows = ReadFile(journal);
    EXPECT_EQ(Count(rows, "\n1,1,5,"), 2) << rows;
    EXPECT_EQ(Count(rows, "\n1,2,6,"), 2) << rows;
    EXPECT_EQ(Count(rows, "\n1,1,6,"), 2) << rows;
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
                                   "--verify", "--log", (dir / "log.txt").string(), "--log-utf8",
                                   "--records", (dir / "records.json").string()}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(run.out, std::regex(",2,,,111,ok,,\r\n.*,2,,,222,verify-failed,,"
                                                      "\r\n.*,2,,,222,ok,,\r\n$")))
        << run.out;
    EXPECT_NE(ReadFile(dir / "log.txt").find("2轨校验失败：读回的数据与写入的不同（写入：222，读回："),
              std::string::npos);
    EXPECT_NE(ReadFile(dir / "records.json").find("\"track2_readback_hex\""), std::string::npos);
}

// A kill at each moment of a verified card: the journal names it in flight, resuming stops
// before it unless told to write it again, and no confirmed card goes out twice.
struct KillMoment {
    const char* name;
    std::vector<std::string> simArguments;
    std::function<bool(const CardsimProcess& sim, const std::string& journal)> reached;
};

std::ostream& operator<<(std::ostream& out, const KillMoment& moment) {
    return out << moment.name;
}

class KilledVerifiedBatch : public ::testing::TestWithParam<KillMoment> {};

TEST_P(KilledVerifiedBatch, ResumeNamesTheCardInFlightAndWritesNoConfirmedCardAgain) {
    const std::vector<std::string> quick = {"--read-back", "same", "--swipe-ms", "20",
                                            "--write-reply-ms", "1"};
    TempDir dir;
    WriteFile(dir / "list.txt", "0001\n0002\n0003\n0004\n");
    WriteFile(dir / "first.txt", "0001\n0002\n");
    const std::string journal = (dir / "journal.csv").string();
    const auto batch = [&](const CardsimProcess& sim, const char* list, std::vector<std::string> more) {
        std::vector<std::string> arguments = {"batch",     (dir / list).string(), "--tracks", "2",
                                              "--verify",  "--journal",           journal};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return Using(sim, arguments);
    };
    {
        CardsimProcess sim(quick, ProfileText());
        ASSERT_EQ(RunCardctlHere(batch(sim, "first.txt", {})).status, 0);
    }
    {
        CardsimProcess sim(GetParam().simArguments, ProfileText());
        CardctlProcess killed(batch(sim, "list.txt", {"--resume", journal}));
        ASSERT_TRUE(WaitFor([&] { return GetParam().reached(sim, ReadFile(journal)); })) << sim.Log();
        killed.Signal(SIGKILL);
        killed.Wait();
    }
    CardsimProcess sim(quick, ProfileText());
    const CliRun refused = RunCardctlHere(batch(sim, "list.txt", {"--resume", journal}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("可能已写入，请检查：2轨 0003"), std::string::npos) << refused.err;
    const CliRun rewritten =
        RunCardctlHere(batch(sim, "list.txt", {"--resume", journal, "--rewrite-unsure"}));
    EXPECT_EQ(rewritten.status, 0) << rewritten.err;
    const std::string log = sim.Log();
    for (const auto& [card, times] : {std::pair{"0001", 0}, {"0002", 0}, {"0003", 1}, {"0004", 1}})
        EXPECT_EQ(Count(log, std::string("\"") + card + "\" (4 bytes); answer"), times) << card;
    EXPECT_TRUE(ReadCardList(QString::fromStdString(journal), TrackSet::Track2, {}).errors.empty());
}

std::function<bool(const CardsimProcess&, const std::string&)> LogHas(const char* text) {
    return [text](const CardsimProcess& sim, const std::string&) {
        return sim.Log().find(text) != std::string::npos;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Moments, KilledVerifiedBatch,
    ::testing::Values(
        KillMoment{"SendingRowOnDisk", {"--write-replies", "none"},
                   [](const CardsimProcess&, const std::string& journal) {
                       return journal.find(",0003,sending") != std::string::npos;
                   }},
        KillMoment{"BeforeTheAnswer", {"--write-replies", "none"}, LogHas("answer none")},
        KillMoment{"BeforeTheReadBack", {"--read-back", "same", "--swipe-ms", "600000"},
                   LogHas("answer ok")},
        KillMoment{"DuringTheReadBack", {"--read-back", "same", "--swipe-ms", "600000"},
                   LogHas("swiped back")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Verify, ProfileThatCannotReadIsRefusedWithNothingSent) {
    CardsimProcess sim({}, ProfileText());
    TempDir dir;
    WriteFile(dir / "QXProduct.ini", ProfileText({{"ReadTail", ""}}));
    const CliRun run = RunCardctlHere({"write", "--tracks", "2", "--track2", "12345", "--verify",
                                       "--port", sim.PortPath(), "--profile",
                                       (dir / "QXProduct.ini").string()});
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(sim.Received(), "");
}

// The journal's file system fills while a stopped card is recorded: the status says the
// journal failed, and no hint sends the operator back to it.
TEST(Journal, FullFileSystemGivesStatusFourAlsoWhenStopped) {
    TempDir dir;
    TempDir full;
    const std::string mount = "mount -t tmpfs -o size=4k tmpfs " + full.Path().string();
    if (geteuid() != 0 || std::system(mount.c_str()) != 0) GTEST_SKIP() << "no tmpfs to mount";
    const std::shared_ptr<void> unmount(nullptr, [&](void*) {
        std::system(("umount " + full.Path().string()).c_str());
    });
    const std::string journal = (full / "journal.csv").string();
    // One page, full but for the first card's sending row.
    const std::string start = "\xEF\xBB\xBF" + RecordsCsvHeader() + "1,1,t,read,2,,,";
    WriteFile(journal, start + std::string(4096 - 80 - start.size() - 8, 'x') + ",ok,,\r\n");
    CardsimProcess sim({"--read-back", "same", "--swipe-ms", "600000"}, ProfileText());
    WriteFile(dir / "list.txt", "0001\n0002\n");
    CardctlProcess cardctl(Using(sim, {"batch", (dir / "list.txt").string(), "--tracks", "2",
                                       "--verify", "--journal", journal}));
    ASSERT_TRUE(WaitFor([&] { return sim.Log().find("swiped back") != std::string::npos; }));
    cardctl.Signal(SIGTERM);
    EXPECT_EQ(cardctl.Wait(), 4) << cardctl.Err();
    EXPECT_EQ(cardctl.Err().find("--resume " + journal), std::string::npos) << cardctl.Err();
}

}  // namespace
