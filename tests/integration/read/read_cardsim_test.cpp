// Read jobs against the simulator: every track selection over a list of cards, the
// numbering within and across jobs, and the line scenarios the loop must survive.

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "cardsim_process.h"
#include "read_bench.h"
#include "record_lines.h"

namespace readtest {
namespace {

const std::string H = kHyphens;

// Good tracks, failed tracks, a track left out, raw bytes (';' and a GBK character).
const char* const kCardList =
    "# cards for the read tests\n"
    "1=B4000^ONE^25;2=4000001234567899=2512;3=994000=156\n"
    "\n"
    "1=!;2=!;3=!\n"
    "2=5100=27;3=!\n"
    "1=B37^TWO^29;2=!;3=0137=00\n"
    "2=hex:3b31;3=hex:b2e2\n";

struct SelectionCase {
    const char* name;
    TrackSelection tracks;
    std::string command;
    std::string expectedUtf8;  // the five cards, in turn
    std::string records;       // UTF-8, as RecordLines gives them
};

// Test names say which case failed; the bytes of the record would not.
void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadFromSimulator : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ReadFromSimulator, LogsEveryCardOfTheList) {
    const SelectionCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", kCardList);
    CardsimProcess sim({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20"});
    ReadBench bench(c.tracks, sim.PortPath());
    bench.job.JobNumber = 7;
    EXPECT_EQ(bench.Run(5), 0);
    EXPECT_EQ(bench.job.JobLog, Gbk(c.expectedUtf8)) << sim.Log();
    EXPECT_EQ(RecordLines(bench.job.Records), Gbk(c.records));
    EXPECT_TRUE(sim.Received().starts_with(c.command + c.command)) << sim.Log();
    EXPECT_NE(sim.Log().find("swipe 5 "), std::string::npos) << sim.Log();
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ReadFromSimulator,
    ::testing::Values(
        SelectionCase{"Track1", Track1, "\x1b\x72\x31",
                      "第1次成功读取，共读取12个1轨数据\r\nB4000^ONE^25\r\n" + H +    //
                          "读取1轨失败\r\n" + H +                                     //
                          "读取1轨失败\r\n" + H +                                     //
                          "第2次成功读取，共读取10个1轨数据\r\nB37^TWO^29\r\n" + H +  //
                          "读取1轨失败\r\n" + H,
                      "7/1 read 1 1+B4000^ONE^25\n7/2 read 1 1-\n7/3 read 1 1-\n"
                      "7/4 read 1 1+B37^TWO^29\n7/5 read 1 1-\n"},
        SelectionCase{"Track2", Track2, "\x1b\x72\x32",
                      "第1次成功读取，共读取21个2轨数据\r\n4000001234567899=2512\r\n" + H +  //
                          "读取2轨失败\r\n" + H +                                            //
                          "第2次成功读取，共读取7个2轨数据\r\n5100=27\r\n" + H +             //
                          "读取2轨失败\r\n" + H +                                            //
                          "第3次成功读取，共读取2个2轨数据\r\n;1\r\n" + H,
                      "7/1 read 2 2+4000001234567899=2512\n7/2 read 2 2-\n7/3 read 2 2+5100=27\n"
                      "7/4 read 2 2-\n7/5 read 2 2+;1\n"},
        SelectionCase{"Track3", Track3, "\x1b\x72\x33",
                      "第1次成功读取，共读取10个3轨数据\r\n994000=156\r\n" + H +  //
                          "读取3轨失败\r\n" + H +                                 //
                          "读取3轨失败\r\n" + H +                                 //
                          "第2次成功读取，共读取7个3轨数据\r\n0137=00\r\n" + H +  //
                          "第3次成功读取，共读取2个3轨数据\r\n测\r\n" + H,
                      "7/1 read 3 3+994000=156\n7/2 read 3 3-\n7/3 read 3 3-\n"
                      "7/4 read 3 3+0137=00\n7/5 read 3 3+测\n"},
        SelectionCase{"Track12", Track12, "\x1b\x72\x34",
                      "第1次成功读取，共读取12个1轨数据\r\nB4000^ONE^25\r\n" + H +
                          "共读取21个2轨数据\r\n4000001234567899=2512\r\n" + H +               //
                          "读取1轨失败\r\n" + H + "读取2轨失败\r\n" + H +                      //
                          "读取1轨失败\r\n" + H + H + "共读取7个2轨数据\r\n5100=27\r\n" + H +  //
                          "第2次成功读取，共读取10个1轨数据\r\nB37^TWO^29\r\n读取2轨失败\r\n" +
                          H +  //
                          "读取1轨失败\r\n" + H + H + "共读取2个2轨数据\r\n;1\r\n" + H,
                      "7/1 read 12 1+B4000^ONE^25 2+4000001234567899=2512\n7/2 read 12 1- 2-\n"
                      "7/3 read 12 1- 2+5100=27\n7/4 read 12 1+B37^TWO^29 2-\n"
                      "7/5 read 12 1- 2+;1\n"},
        SelectionCase{"Track23", Track23, "\x1b\x72\x35",
                      "第1次成功读取，共读取21个2轨数据\r\n4000001234567899=2512\r\n" + H +
                          "共读取10个3轨数据\r\n994000=156\r\n" + H +                            //
                          "读取2轨失败\r\n" + H + "读取3轨失败\r\n" + H +                        //
                          "第2次成功读取，共读取7个2轨数据\r\n5100=27\r\n读取3轨失败\r\n" + H +  //
                          "读取2轨失败\r\n" + H + H + "共读取7个3轨数据\r\n0137=00\r\n" + H +    //
                          "第3次成功读取，共读取2个2轨数据\r\n;1\r\n" + H +
                          "共读取2个3轨数据\r\n测\r\n" + H,
                      "7/1 read 23 2+4000001234567899=2512 3+994000=156\n7/2 read 23 2- 3-\n"
                      "7/3 read 23 2+5100=27 3-\n7/4 read 23 2- 3+0137=00\n"
                      "7/5 read 23 2+;1 3+测\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFromSimulator, NextJobNumbersFromOneAndLogsAfterTheLast) {
    TempDir dir;
    WriteFile(dir / "cards.txt", kCardList);
    // Slow swipes, so that each job's SoftReset comes before the next card goes through.
    CardsimProcess sim({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "150"});
    ReadBench bench(Track2, sim.PortPath());
    EXPECT_EQ(bench.Run(2), 0);
    EXPECT_EQ(bench.Run(1), 0);
    EXPECT_EQ(bench.job.JobLog,
              Gbk("第1次成功读取，共读取21个2轨数据\r\n4000001234567899=2512\r\n" + H +
                  "读取2轨失败\r\n" + H + "第1次成功读取，共读取7个2轨数据\r\n5100=27\r\n" + H))
        << sim.Log();
    EXPECT_EQ(bench.console.Count(WM_JOB_DONE), 2);
}

struct ScenarioCase {
    const char* name;
    std::string scenarios;
    std::string expectedUtf8;  // two refreshes' worth
};

void PrintTo(const ScenarioCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kBothCards =
    "第1次成功读取，共读取4个2轨数据\r\n1111\r\n" + H + "共读取4个3轨数据\r\n2222\r\n" + H +
    "第2次成功读取，共读取4个2轨数据\r\n3333\r\n" + H + "共读取4个3轨数据\r\n4444\r\n" + H;
const std::string kSecondCardTwice =
    "第1次成功读取，共读取4个2轨数据\r\n3333\r\n" + H + "共读取4个3轨数据\r\n4444\r\n" + H +
    "第2次成功读取，共读取4个2轨数据\r\n3333\r\n" + H + "共读取4个3轨数据\r\n4444\r\n" + H;

class ReadSimulatorScenario : public ::testing::TestWithParam<ScenarioCase> {};

// Spoiled replies are dropped without a line and the next card is read as usual.
TEST_P(ReadSimulatorScenario, LogsOnlyWholeReplies) {
    const ScenarioCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", "2=1111;3=2222\n2=3333;3=4444\n");
    CardsimProcess sim({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20",
                        "--read-pause-ms", "60", "--read-scenario", c.scenarios});
    ReadBench bench(Track23, sim.PortPath());
    EXPECT_EQ(bench.Run(2), 0);
    EXPECT_EQ(bench.job.JobLog, Gbk(c.expectedUtf8)) << sim.Log();
    const std::string first = c.scenarios.substr(0, c.scenarios.find(','));
    EXPECT_NE(sim.Log().find("swipe 1 in 20 ms, tracks 2+3, " + first + ": 1=!;2=1111;3=2222\n"),
              std::string::npos)
        << sim.Log();
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ReadSimulatorScenario,
    ::testing::Values(ScenarioCase{"Garbage", "garbage", kBothCards},
                      ScenarioCase{"Split", "split", kBothCards},
                      ScenarioCase{"Overlong", "overlong,good", kSecondCardTwice},
                      ScenarioCase{"ShortTail", "short-tail,good", kSecondCardTwice},
                      ScenarioCase{"WrongTail", "wrong-tail,good", kSecondCardTwice},
                      ScenarioCase{"Silent", "silent,good", kSecondCardTwice}),
    [](const auto& info) { return std::string(info.param.name); });

// The reasons for each refusal are pinned where the options are parsed; here, that the
// program says one and never offers a port.
TEST(ReadSimulatorOptions, BadOptionsKeepTheSimulatorFromComingUp) {
    try {
        CardsimProcess sim({"--swipe-ms", "soon"});
        ADD_FAILURE() << "the simulator came up: " << sim.Log();
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what())
                      .find("cardsim: --swipe-ms needs a whole number of milliseconds, not "
                            "'soon' (see --help)\n"),
                  std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace readtest
