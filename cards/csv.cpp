#include "csv.h"

CsvReader::CsvReader(std::string_view bytes, CsvFormat format) : bytes_(bytes), format_(format) {}

bool CsvReader::Next(CsvRecord& record) {
    if (pos_ >= bytes_.size()) return false;
    record.line = line_;
    record.fields.clear();
    record.problem = CsvProblem::None;
    const std::size_t start = pos_;
    for (;;) {
        std::string field;
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            if (!ReadQuotedField(field, start, record)) break;
            if (pos_ < bytes_.size() && !AtSeparator() && !AtLineEnd()) {
                record.problem = CsvProblem::TextAfterQuote;
                SkipRestOfLine();
                break;
            }
        } else {
            ReadPlainField(field);
        }
        if (pos_ - start > format_.maxRecordBytes) {
            record.problem = CsvProblem::TooLong;
            SkipRestOfLine();
            break;
        }
        record.fields.push_back(std::move(field));
        if (AtSeparator()) {
            ++pos_;
            continue;
        }
        if (AtLineEnd()) ConsumeLineEnd();
        return true;
    }
    // A bad record's fields would only mislead.
    record.fields.clear();
    return true;
}

bool CsvReader::ReadQuotedField(std::string& field, std::size_t recordStart, CsvRecord& record) {
    ++pos_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == '"') {
            const bool doubled = pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '"';
            pos_ += doubled ? 2 : 1;
            if (!doubled) return true;
            field += '"';
            continue;
        }
        const bool crBeforeLf = c == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n';
        if ((c == '\n' || c == '\r') && !crBeforeLf) ++line_;
        field += c;
        ++pos_;
        if (pos_ - recordStart > format_.maxRecordBytes) {
            record.problem = CsvProblem::TooLong;
            SkipRestOfLine();
            return false;
        }
    }
    record.problem = CsvProblem::UnclosedQuote;
    return false;
}

void CsvReader::ReadPlainField(std::string& field) {
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !AtSeparator() && !AtLineEnd()) ++pos_;
    field.assign(bytes_.substr(start, pos_ - start));
}

bool CsvReader::AtSeparator() const {
    return format_.separator && pos_ < bytes_.size() && bytes_[pos_] == *format_.separator;
}

bool CsvReader::AtLineEnd() const {
    return pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n');
}

void CsvReader::ConsumeLineEnd() {
    if (bytes_[pos_] == '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    ++line_;
}

void CsvReader::SkipRestOfLine() {
    while (pos_ < bytes_.size() && !AtLineEnd()) ++pos_;
    if (pos_ < bytes_.size()) ConsumeLineEnd();
}

namespace {

bool NeedsGuard(std::string_view cell) {
    return !cell.empty() && std::string_view("=+-@\t\r'").find(cell.front()) != std::string_view::npos;
}

}  // namespace

std::string GuardedCell(std::string_view cell) {
    return NeedsGuard(cell) ? "'" + std::string(cell) : std::string(cell);
}

std::string_view UnguardedCell(std::string_view cell) {
    return cell.starts_with('\'') && NeedsGuard(cell.substr(1)) ? cell.substr(1) : cell;
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += CsvField(fields[i]);
    }
    line += "\r\n";
    return line;
}
