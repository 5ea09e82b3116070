#include "csv.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    int line;
    std::vector<std::string> fields;
    CsvProblem problem = CsvProblem::None;
};

std::vector<Expected> ReadAll(std::string_view bytes, CsvFormat format) {
    CsvReader reader(bytes, format);
    std::vector<Expected> records;
    CsvRecord record;
    while (reader.Next(record)) records.push_back({record.line, record.fields, record.problem});
    return records;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.line == b.line && a.fields == b.fields && a.problem == b.problem;
}

void PrintTo(const Expected& e, std::ostream* out) {
    *out << "{line " << e.line << ", problem " << static_cast<int>(e.problem) << ",";
    for (const std::string& field : e.fields) *out << " [" << field << "]";
    *out << "}";
}

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
        {"LF", "a,b\nc,d\n", comma, {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"CR LF, last line unended", "a,b\r\nc", comma, {{1, {"a", "b"}}, {2, {"c"}}}},
        {"lone CR", "a\rb", comma, {{1, {"a"}}, {2, {"b"}}}},
        {"quoting",
         "\"x,y\",\"say \"\"hi\"\"\"\r\n\"1\r\n2\",3\r\nz",
         comma,
         {{1, {"x,y", "say \"hi\""}}, {2, {"1\r\n2", "3"}}, {4, {"z"}}}},
        {"empty fields", ",\n\"\"\na,\n", comma, {{1, {"", ""}}, {2, {""}}, {3, {"a", ""}}}},
        {"quote inside a plain field", "ab\"c,d", comma, {{1, {"ab\"c", "d"}}}},
        {"unclosed quote", "a\n\"b\nc", comma, {{1, {"a"}}, {2, {}, CsvProblem::UnclosedQuote}}},
        {"text after a quote ends its line",
         "\"a\"b,c\nd",
         comma,
         {{1, {}, CsvProblem::TextAfterQuote}, {2, {"d"}}}},
        {"too long", "123456789\nok", narrow, {{1, {}, CsvProblem::TooLong}, {2, {"ok"}}}},
        {"too long inside quotes",
         "\"1\n23456789\"\nok",
         narrow,
         {{1, {}, CsvProblem::TooLong}, {3, {"ok"}}}},
        {"without a separator", "a,b\n\"c\nd\"\n", lines, {{1, {"a,b"}}, {2, {"c\nd"}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAll(c.input, c.format), c.expected) << c.name;
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndReadsBack) {
    const std::vector<std::string> fields{"plain", "", "a,b", "say \"hi\"", "1\r\n2", "x\ny"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"1\r\n2\",\"x\ny\"\r\n");
    EXPECT_EQ(ReadAll(line, {}), (std::vector<Expected>{{1, fields}}));
}

}  // namespace
