#include "card_list.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "record_export.h"

namespace {

using namespace std::string_literals;

constexpr std::string_view kName = "list.csv";

CardListResult Parse(const std::string& bytes, TrackSet tracks, TrackLimits limits = {}) {
    return ParseCardList(bytes, kName, tracks, limits);
}

// The line a card came from and its three tracks.
using Card = std::pair<int, std::array<std::string, kTrackCount>>;

std::vector<Card> Cards(const CardListResult& result) {
    std::vector<Card> cards;
    for (const ListCard& card : result.cards) cards.emplace_back(card.line, card.tracks);
    return cards;
}

TEST(CardList, ReadsEveryLayoutAndEncoding) {
    struct Case {
        const char* name;
        std::string input;
        TrackSet tracks;
        std::vector<Card> expected;
    } cases[] = {
        {"header in any case and order, other columns ignored",
         "Note,TRACK3, track2 \r\nx,333,222\r\n",
         TrackSet::Track23,
         {{2, {"", "222", "333"}}}},
        {"only the selection's columns are taken",
         "track1,track2\r\n,1\r\n",
         TrackSet::Track2,
         {{2, {"", "1", ""}}}},
        {"one value per line keeps its commas",
         "ABC\n%B1,2^X?\n",
         TrackSet::Track1,
         {{1, {"ABC", "", ""}}, {2, {"%B1,2^X?", "", ""}}}},
        {"byte-order mark, CR LF",
         "\xEF\xBB\xBFtrack2\r\n1234\r\n",
         TrackSet::Track2,
         {{2, {"", "1234", ""}}}},
        {"UTF-8 becomes GBK",
         "track1\r\n张三\r\n",
         TrackSet::Track1,
         {{2, {"\xD5\xC5\xC8\xFD", "", ""}}}},
        {"GBK input",
         "track1\r\n\xD5\xC5\xC8\xFD\r\n",
         TrackSet::Track1,
         {{2, {"\xD5\xC5\xC8\xFD", "", ""}}}},
        {"line breaks in quotes reach the device as CR LF",
         "track3\n\"12\n34\"\n\"5\r6\"\n78",
         TrackSet::Track3,
         {{2, {"", "", "12\r\n34"}}, {4, {"", "", "5\r\n6"}}, {6, {"", "", "78"}}}},
        {"quoted comma and quotes",
         "track1,track2\r\n\"A,\"\"B\"\"\",1\r\n",
         TrackSet::Track12,
         {{2, {"A,\"B\"", "1", ""}}}},
        {"blank lines and blank rows skipped",
         "\r\ntrack2,note\r\n\r\n1,x\r\n  \r\n,\r\n2,y\r\n",
         TrackSet::Track2,
         {{4, {"", "1", ""}}, {7, {"", "2", ""}}}},
    };
    for (const Case& c : cases) {
        const CardListResult result = Parse(c.input, c.tracks);
        EXPECT_EQ(result.errors, std::vector<std::string>{}) << c.name;
        EXPECT_EQ(Cards(result), c.expected) << c.name;
    }
}

TEST(CardList, NamesEveryBadRow) {
    const std::string longLine = "1," + std::string(1024 * 1024, '2');
    const TrackLimits track3UpTo4{{0, 0, 4}};
    struct Case {
        const char* name;
        std::string input;
        TrackLimits limits;
        std::vector<std::string> errors;
    } cases[] = {
        {"too large",
         std::string(kMaxListFileBytes + 1, '1'),
         {},
         {"list.csv: 文件太大（超过64 MB）"}},
        {"empty", "", {}, {"list.csv: 文件是空的"}},
        {"blank", "\xEF\xBB\xBF\r\n  \r\n", {}, {"list.csv: 文件是空的"}},
        {"header only", "track2,track3\r\n", {}, {"list.csv: 列表中没有卡"}},
        {"NUL byte",
         "track2,track3\r\n1,2\r\n3\0,4\r\n"s,
         {},
         {"list.csv:3: 不是文本文件（含有NUL字节）"}},
        {"UTF-16", "\xFF\xFEt\0r\0"s, {}, {"list.csv: 是UTF-16文本，请另存为UTF-8"}},
        {"neither UTF-8 nor GBK",
         "track2,track3\r\n1,2\r\n\x81\x30,4\r\n",
         {},
         {"list.csv:3: 不是文本文件（既不是UTF-8也不是GBK编码）"}},
        {"unknown header",
         "name,number\r\n1,2\r\n",
         {},
         {"list.csv:1: 表头不明：没有track1、track2或track3列"}},
        {"a pair without header",
         "1234\r\n",
         {},
         {"list.csv:1: 缺少表头：2，3轨的列表第一行须是列名（track2,track3）"}},
        {"a column of the selection missing",
         "track2\r\n1\r\n",
         {},
         {"list.csv:1: 表头中没有track3列"}},
        {"a column named twice",
         "track2,Track2,track3\r\n1,2,3\r\n",
         {},
         {"list.csv:1: 表头中track2列出现了不止一次"}},
        {"missing values",
         "track2,track3\r\n1234,\r\n5678\r\n",
         {},
         {"list.csv:2: 缺少3轨数据", "list.csv:3: 缺少3轨数据"}},
        {"unencodable character",
         "track2,track3\r\n1😀,3\r\n",
         {},
         {"list.csv:2: 2轨数据中的“😀”无法用GBK编码"}},
        {"every problem of a row",
         "track2,track3,note\r\n,123456,x\r\n",
         track3UpTo4,
         {"list.csv:2: 缺少2轨数据；3轨数据6个字节，超过4个字节的限制"}},
        {"more fields than the header",
         "track2,track3\r\n1,2,3\r\n",
         {},
         {"list.csv:2: 这一行有3个字段，表头只有2列（值中的逗号须加引号）"}},
        {"unclosed quote", "track2,track3\r\n1,\"2\r\n3,4\r\n", {}, {"list.csv:2: 引号没有结束"}},
        {"text after a quote",
         "track2,track3\r\n\"1\"x,2\r\n3,4\r\n",
         {},
         {"list.csv:2: 引号后面有多余的字符"}},
        {"a 1 MB line",
         "track2,track3\r\n" + longLine + "\r\n3,4\r\n",
         {},
         {"list.csv:2: 行太长（超过65536个字节）"}},
    };
    for (const Case& c : cases) {
        const CardListResult result = Parse(c.input, TrackSet::Track23, c.limits);
        EXPECT_EQ(result.errors, c.errors) << c.name;
        EXPECT_TRUE(result.cards.empty()) << c.name;
    }
}

// A value the selection would leave unwritten is no value to drop without a word.
TEST(CardList, AColumnOutsideTheSelectionWithValuesIsRefused) {
    EXPECT_EQ(Parse("track2,track3\r\n1,2\r\n", TrackSet::Track2).errors,
              std::vector<std::string>{"list.csv:1: track3列有数据，但所选轨道不写3轨：要写入它，"
                                       "请选2&3轨（--tracks 23）"});
}

TEST(CardList, ShowsTwentyErrorsThenHowManyMore) {
    std::string list = "track2\r\n";
    for (int i = 0; i < 1020; ++i) list += "\"x\"y\r\n";
    const CardListResult result = Parse(list, TrackSet::Track2);
    ASSERT_EQ(result.errors.size(), kMaxListErrors + 1);
    EXPECT_EQ(result.errors[kMaxListErrors - 1], "list.csv:21: 引号后面有多余的字符");
    EXPECT_EQ(result.errors.back(), "……另有1,000行有误");
}

TEST(CardList, FilesThatCannotBeReadGiveTheSystemsReason) {
#ifdef _WIN32
    const std::string noSuchFile = "File not found.";
#else
    const std::string noSuchFile = "No such file or directory";
#endif
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    EXPECT_EQ(ReadCardList(missing, TrackSet::Track2, {}).errors,
              std::vector<std::string>{missing.toStdString() + ": 无法读取文件：" + noSuchFile});
    const CardListResult folder = ReadCardList(dir.path(), TrackSet::Track2, {});
    ASSERT_EQ(folder.errors.size(), 1u);
    EXPECT_TRUE(folder.errors[0].starts_with(dir.path().toStdString() + ": 无法读取文件："))
        << folder.errors[0];
}

// A card is copied by exporting what was read and writing the export as a list.
TEST(CardList, ARecordsExportIsAList) {
    const char* const time = "2024-03-01T09:30:00+08:00";
    const CardRecordList records{
        {1,
         1,
         time,
         CardKind::Read,
         TrackSet::Track23,
         {{{}, {"6011=3001101"}, {"\xD5\xC5,\"1\"\r\n2"}}}},
        {1, 1, time, CardKind::Read, TrackSet::Track23, {{{}, {"6012=3001101"}, {"99"}}}}};
    EXPECT_EQ(Cards(Parse(RecordsCsv(records), TrackSet::Track23)),
              (std::vector<Card>{{2, {"", "6011=3001101", "\xD5\xC5,\"1\"\r\n2"}},
                                 {4, {"", "6012=3001101", "99"}}}));
    // The export's formula guard is the export's; a hand-made list is read as written.
    EXPECT_EQ(Cards(Parse("track2\r\n'=1\r\n", TrackSet::Track2)),
              (std::vector<Card>{{2, {"", "'=1", ""}}}));
}

}  // namespace
