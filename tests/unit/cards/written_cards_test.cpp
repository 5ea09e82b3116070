#include "written_cards.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "record_export.h"

namespace {

std::vector<ListCard> List(const std::vector<std::string>& values) {
    std::vector<ListCard> cards;
    for (std::size_t i = 0; i < values.size(); ++i)
        cards.push_back({static_cast<int>(i) + 1, {"", values[i], ""}});
    return cards;
}

// A journal whose rows give, for tracks 2, "VALUE" ok or "VALUE STATUS" otherwise.
std::string Journal(const std::vector<std::string>& rows) {
    std::string text = "\xEF\xBB\xBF" + RecordsCsvHeader(RecordsLayout::WithoutRow);
    for (const std::string& row : rows) {
        const std::size_t space = row.find(' ');
        const std::string status = space == std::string::npos ? "ok" : row.substr(space + 1);
        text += "1,1,2024-03-01T09:30:00+08:00,write,2,,," + row.substr(0, space) + "," + status +
                ",,\r\n";
    }
    return text;
}

struct ResumeCase {
    const char* name;
    std::vector<std::string> journal;
    std::vector<int> remainingLines;
    std::vector<int> unmatchedLines;
};

class LeaveOut : public ::testing::TestWithParam<ResumeCase> {};

TEST_P(LeaveOut, FollowsTheMatchingRule) {
    const ConfirmedCardsResult journal =
        ParseConfirmedCards(Journal(GetParam().journal), "journal.csv");
    ASSERT_EQ(journal.error, "");
    const ResumedList resumed =
        LeaveOutWritten(List({"A", "B", "A", "C"}), TrackSet::Track2, journal.cards);
    std::vector<int> remaining;
    for (const ListCard& card : resumed.remaining) remaining.push_back(card.line);
    std::vector<int> unmatched;
    for (const ConfirmedCard& card : resumed.unmatched) unmatched.push_back(card.line);
    EXPECT_EQ(remaining, GetParam().remainingLines);
    EXPECT_EQ(unmatched, GetParam().unmatchedLines);
}

INSTANTIATE_TEST_SUITE_P(
    Journal, LeaveOut,
    ::testing::Values(
        ResumeCase{"EachConfirmedCardLeavesOutOneRow", {"A", "C"}, {2, 3}, {}},
        ResumeCase{"ARowTwiceNeedsTwoCards", {"A", "A"}, {2, 4}, {}},
        ResumeCase{"UnconfirmedRowsCountForNothing",
                   {"A failed", "B verify-failed", "C"},
                   {1, 2, 3},
                   {}},
        ResumeCase{"CardBeyondTheListIsNamed", {"A", "A", "A", "D"}, {2, 4}, {4, 5}},
        ResumeCase{"TornLastRowIsNoCard", {"B", "C o"}, {1, 3, 4}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfirmedCards, JournalBeyondTheCapIsRefusedUnread) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kMaxJournalFileBytes + 1));
    file.close();
    const ConfirmedCardsResult result = ReadConfirmedCards(file.fileName());
    EXPECT_TRUE(result.cards.empty());
    EXPECT_NE(result.error.find("文件太大（超过256 MB）"), std::string::npos) << result.error;
}

TEST(ConfirmedCards, FileThatIsNoJournalIsRefused) {
    EXPECT_EQ(ParseConfirmedCards("track2\n111\n", "list.txt").error,
              "list.txt:1: 不是作业记录文件：第一行应为作业记录的CSV表头");
}

}  // namespace
