// Writing the cards of a list: each card's place in the log, a refused card written
// again, the closing line, Stop, what is refused before the first card, and copying
// cards: a read job's records, exported and read back as a list, written again.
#include <gtest/gtest.h>

#include "card_list.h"
#include "record_export.h"
#include "write_harness.h"

namespace writetest {
namespace {

const ProfileChanges kMeasuredPause = {{"SysDelay", std::to_string(kMeasuredSysDelay)}};

void PrepareList(WriteJobHarness& harness, const std::vector<std::string>& track2) {
    harness.job.Tracks = Track2;
    for (const std::string& value : track2) harness.job.CardList.push_back({"", value, ""});
}

std::string Cards(const std::vector<std::string>& track2) {
    std::string bytes;
    for (const std::string& value : track2)
        bytes += CardBytes(CardSetup{}, Track2, {"", value, ""});
    return bytes;
}

std::string Written(int card, const std::string& value) {
    return Entry(Gbk("第" + std::to_string(card) + "/3张：写2轨成功，共写入" +
                     std::to_string(value.size()) + "个数据\r\n" + value + "\r\n"));
}

// The closing line, and whether the list of three is done or how many cards are left.
std::string EndLine(int written, int refused) {
    const std::string done = written == 3 ? "列表已全部写完：共3张\r\n"
                                          : "列表未写完：已确认" + std::to_string(written) +
                                                "张，还剩" + std::to_string(3 - written) +
                                                "张，可凭作业记录接着写\r\n";
    return Gbk("列表写卡结束：成功" + std::to_string(written) + "张，未成功" +
               std::to_string(refused) + "次\r\n" + done) +
           kHyphens;
}

TEST(ListWrite, WritesARefusedCardAgainAndPausesOnceAfterTheLast) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", "ok,fail,ok,ok"}, kMeasuredPause);
    PrepareList(harness, {"111", "2222", "33"});

    EXPECT_EQ(harness.Run(), 0);

    EXPECT_EQ(harness.Received(), Cards({"111", "2222", "2222", "33"}) + kSoftReset);
    EXPECT_EQ(harness.job.JobLog, Written(1, "111") + Entry(Gbk("第2/3张：写2轨失败！\r\n")) +
                                      Written(2, "2222") + Written(3, "33") + EndLine(3, 1));
    EXPECT_EQ(harness.RefreshCount(), 5);
    EXPECT_GE(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay - 50));
}

TEST(ListWrite, StopBetweenCardsEndsWithTheClosingLineAndTheResetWithoutPause) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0"}, kMeasuredPause);
    PrepareList(harness, {"111", "2222", "33"});

    EXPECT_EQ(harness.Run(2), 0);

    EXPECT_EQ(harness.Received(), Cards({"111", "2222"}) + kSoftReset);
    EXPECT_EQ(harness.job.JobLog, Written(1, "111") + Written(2, "2222") + EndLine(2, 0));
    EXPECT_LT(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay / 2));
}

TEST(ListWrite, AResumedListNumbersItsCardsByTheirPlaceInTheList) {
    WriteJobHarness harness;
    harness.StartSim({"--write-reply-ms", "0", "--write-replies", "ok,fail"});
    PrepareList(harness, {"55", "666"});
    harness.job.CardListRows = {5, 6};
    harness.job.CardListTotal = 6;
    harness.job.MaxTries = 1;

    harness.Run();

    const std::string& log = harness.job.JobLog;
    EXPECT_NE(log.find(Gbk("第5/6张：写2轨成功")), std::string::npos);
    EXPECT_NE(log.find(Gbk("第6/6张卡连续1次写入未成功")), std::string::npos);
    std::vector<int> rows;
    for (const CardRecord& record : harness.job.Records) rows.push_back(record.row);
    EXPECT_EQ(rows, (std::vector<int>{5, 6}));
}

TEST(ListWrite, RefusesBeforeTheFirstCard) {
    WriteJobHarness missing;
    missing.StartSim({}, {{"WriteTack2", ""}});
    PrepareList(missing, {"1"});
    missing.Run();
    EXPECT_EQ(missing.job.JobLog,
              Gbk("配置文件QXProduct.ini缺少WriteTack2，无法写卡\r\n") + kHyphens);
    EXPECT_EQ(missing.Received(), kSoftReset);

    WriteJobHarness overlong;
    overlong.StartSim({}, kMeasuredPause);
    PrepareList(overlong, {"1", std::string(120, '2')});
    overlong.Run();
    ExpectRefusedWithoutPause(overlong, "2轨数据超过119个字节！");
}

TEST(CardCopy, AReadExportWrittenAsAListGivesTheSameCards) {
    TempDir dir;
    // A value with a GBK character, a comma, quotes and a line break crosses the CSV too.
    WriteFile(dir / "cards.txt",
              "2=6011000099990001=3001;3=hex:b2e22c2231220d0a32\n"
              "2=5100=27;3=0137=00\n");
    // Slow swipes, so that the read job's SoftReset comes before another card goes through.
    WriteJobHarness writer;
    writer.StartSim(
        {"--cards", (dir / "cards.txt").string(), "--swipe-ms", "150", "--write-reply-ms", "0"});
    PtyJobHarness reader(1);
    reader.job.Profile = writer.job.Profile;
    reader.job.PortName = writer.job.PortName;
    reader.job.Tracks = Track23;
    reader.Run(2);

    const CardListResult list =
        ParseCardList(RecordsCsv(reader.job.Records), "records.csv", TrackSet::Track23,
                      TrackLimitsFor(reader.job.Profile, false));
    ASSERT_TRUE(list.errors.empty()) << list.errors.front();
    writer.job.Tracks = Track23;
    for (const ListCard& card : list.cards)
        writer.job.CardList.push_back({card.tracks[0], card.tracks[1], card.tracks[2]});
    writer.Run();

    const std::string second = Gbk("测") + ",\"1\"\r\n2";
    const std::string received = writer.Received();
    EXPECT_EQ(received.substr(received.find(kSoftReset) + kSoftReset.size()),
              CardBytes(CardSetup{}, Track23, {"", "6011000099990001=3001", second}) +
                  CardBytes(CardSetup{}, Track23, {"", "5100=27", "0137=00"}) + kSoftReset)
        << writer.SimLog();
}

}  // namespace
}  // namespace writetest
