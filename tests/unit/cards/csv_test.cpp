#include "csv.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A record's first line, fields and problem.
using Expected = std::tuple<int, std::vector<std::string>, CsvProblem>;

std::vector<Expected> ReadAll(std::string_view bytes, CsvFormat format) {
    CsvReader reader(bytes, format);
    std::vector<Expected> records;
    CsvRecord record;
    while (reader.Next(record)) records.emplace_back(record.line, record.fields, record.problem);
    return records;
}

constexpr CsvProblem kNone = CsvProblem::None;

TEST(CsvReader, ReadsRecordsWithTheirFirstLine) {
    const CsvFormat comma;
    const CsvFormat narrow{',', 8};
    const CsvFormat lines{std::nullopt, 64};
    struct Case {
        const char* name;
        std::string input;
        CsvFormat format;
        std::vector<Expected> expected;
    } cases[] = {
        {"LF", "a,b\nc,d\n", comma, {{1, {"a", "b"}, kNone}, {2, {"c", "d"}, kNone}}},
        {"CR LF, last line unended",
         "a,b\r\nc",
         comma,
         {{1, {"a", "b"}, kNone}, {2, {"c"}, kNone}}},
        {"lone CR", "a\rb", comma, {{1, {"a"}, kNone}, {2, {"b"}, kNone}}},
        {"quoting",
         "\"x,y\",\"say \"\"hi\"\"\"\r\n\"1\r\n2\",3\r\nz",
         comma,
         {{1, {"x,y", "say \"hi\""}, kNone}, {2, {"1\r\n2", "3"}, kNone}, {4, {"z"}, kNone}}},
        {"empty fields",
         ",\n\"\"\na,\n",
         comma,
         {{1, {"", ""}, kNone}, {2, {""}, kNone}, {3, {"a", ""}, kNone}}},
        {"quote inside a plain field", "ab\"c,d", comma, {{1, {"ab\"c", "d"}, kNone}}},
        {"unclosed quote",
         "a\n\"b\nc",
         comma,
         {{1, {"a"}, kNone}, {2, {}, CsvProblem::UnclosedQuote}}},
        {"text after a quote ends its line",
         "\"a\"b,c\nd",
         comma,
         {{1, {}, CsvProblem::TextAfterQuote}, {2, {"d"}, kNone}}},
        {"too long", "123456789\nok", narrow, {{1, {}, CsvProblem::TooLong}, {2, {"ok"}, kNone}}},
        {"too long inside quotes",
         "\"1\n23456789\"\nok",
         narrow,
         {{1, {}, CsvProblem::TooLong}, {3, {"ok"}, kNone}}},
        {"without a separator",
         "a,b\n\"c\nd\"\n",
         lines,
         {{1, {"a,b"}, kNone}, {2, {"c\nd"}, kNone}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAll(c.input, c.format), c.expected) << c.name;
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const std::vector<std::string> fields{"plain", "", "a,b", "say \"hi\"", "1\r\n2", "x\ny"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"1\r\n2\",\"x\ny\"\r\n");
    EXPECT_EQ(ReadAll(line, {}), (std::vector<Expected>{{1, fields, kNone}}));
}

}  // namespace
