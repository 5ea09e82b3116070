#include "ini_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return Parse(text);
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const auto name =
                Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            file.sections_.push_back({std::string(name), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (file.sections_.empty() || equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        file.sections_.back().entries.push_back(
            {std::string(key), std::string(Unquote(Trim(line.substr(equals + 1))))});
    }
    return file;
}

const IniFile::Section* IniFile::FirstSection(std::string_view section) const {
    // Only the first section of a name counts, as with the platform reader.
    const auto first = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) {
        return SameIgnoringCase(s.name, section);
    });
    return first == sections_.end() ? nullptr : &*first;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* first = FirstSection(section)) {
        for (const Entry& entry : first->entries) keys.push_back(entry.key);
    }
    return keys;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const Section* first = FirstSection(section);
    if (first == nullptr) return std::nullopt;
    const auto entry = std::find_if(first->entries.begin(), first->entries.end(),
                                    [&](const Entry& e) { return SameIgnoringCase(e.key, key); });
    if (entry == first->entries.end()) return std::nullopt;
    return entry->value;
}

int32_t IniFile::Integer(std::string_view section, std::string_view key,
                         int32_t defaultValue) const {
    const auto value = Value(section, key);
    return value ? LeadingInteger(*value) : defaultValue;
}

std::string IniFile::String(std::string_view section, std::string_view key,
                            std::string_view defaultValue, std::size_t maxLength) const {
    const auto value = Value(section, key);
    std::string text = value ? *value : std::string(defaultValue);
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}

int32_t LeadingInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t magnitude = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        magnitude = std::min(kLimit, magnitude * 10 + (c - '0'));
    }
    const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<int32_t>(value);
}
