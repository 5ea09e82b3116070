#include "log_lines.h"

void LogLines::Update(std::string_view log) {
    if (log.size() < indexed_) *this = LogLines();
    std::size_t at = indexed_;
    for (; at < log.size(); ++at) {
        const char byte = log[at];
        if (byte == '\r') {
            if (at + 1 == log.size()) break;
            if (log[at + 1] == '\n') ++at;
        } else if (byte != '\n') {
            continue;
        }
        starts_.push_back(at + 1);
    }
    indexed_ = at;
}

std::string_view LogLines::Line(std::string_view log, std::size_t line) const {
    const std::size_t start = starts_[line];
    std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : indexed_;
    while (end > start && (log[end - 1] == '\n' || log[end - 1] == '\r')) --end;
    return log.substr(start, end - start);
}
