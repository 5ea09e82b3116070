// Copying cards: what a read job recorded, exported and read back as a card list, is
// written by a list write; the device gets the cards it gave.
#include <gtest/gtest.h>

#include "card_list.h"
#include "record_export.h"
#include "write_harness.h"

namespace writetest {
namespace {

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
    writer.job.ListWrite = 1;
    writer.job.CardList = list.cards;
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
