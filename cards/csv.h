#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A small RFC 4180 reader and writer over bytes. Separators, quotes and line breaks are
// ASCII, so the same code reads UTF-8 and GBK files: no trail byte of either takes their
// values. Lines end with CR LF, LF or CR.

// What a UTF-8 file may begin with; records exports carry it for spreadsheets, readers skip it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class CsvProblem {
    None,
    UnclosedQuote,   // the file ended inside a quoted field
    TextAfterQuote,  // a closing quote followed by something other than a separator
    TooLong,         // the record holds more bytes than the format allows
};

struct CsvRecord {
    int line = 0;  // where the record starts, counting from 1
    std::vector<std::string> fields;
    CsvProblem problem = CsvProblem::None;
};

struct CsvFormat {
    // Without a separator every line is one field (quotes still allowed).
    std::optional<char> separator = ',';
    std::size_t maxRecordBytes = 64 * 1024;
};

// Reads records one by one. Reading goes on after a bad record: a record with a problem
// ends at the end of the line where the problem was found.
class CsvReader {
  public:
    explicit CsvReader(std::string_view bytes, CsvFormat format = {});
    // The next record, or false at the end of the bytes.
    bool Next(CsvRecord& record);

  private:
    bool ReadQuotedField(std::string& field, std::size_t recordStart, CsvRecord& record);
    void ReadPlainField(std::string& field);
    bool AtSeparator() const;
    bool AtLineEnd() const;
    void ConsumeLineEnd();
    void SkipRestOfLine();

    std::string_view bytes_;
    CsvFormat format_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// A cell a spreadsheet takes as a formula or a special entry when it begins with = + - @
// TAB or CR gets a ' in front, which spreadsheets take as "text as written"; so does a
// cell beginning with ', so that removing the guard gives every cell back exactly.
std::string GuardedCell(std::string_view cell);
// The cell without the ' that GuardedCell put in front; any other cell as it is.
std::string_view UnguardedCell(std::string_view cell);

// A field quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view field);
// The fields joined by commas, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);
