#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads INI text the way the Windows profile reader answers: section and key names
// without regard to case, the first matching section and key win, values trimmed of
// blanks and of one pair of surrounding quotes. Indented lines are ordinary lines.
class IniFile {
  public:
    // A missing or unreadable file gives an empty IniFile, so every lookup defaults.
    static IniFile Load(const std::filesystem::path& path);
    static IniFile Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // The keys of the section lookups use, in file order.
    std::vector<std::string> Keys(std::string_view section) const;

    // The leading decimal number of the value (0 when there is none), or the default
    // when the section or key is missing.
    int32_t Integer(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // The value cut to at most maxLength characters, as a fixed reader buffer would.
    std::string String(std::string_view section, std::string_view key,
                       std::string_view defaultValue, std::size_t maxLength) const;

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    // One per section header, in file order: a repeated name is a section of its own,
    // never merged with an earlier one.
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* FirstSection(std::string_view section) const;

    std::vector<Section> sections_;
};

// The leading decimal number of a text (optional blanks and sign), 0 when there is none;
// values beyond the 32-bit range are clamped.
int32_t LeadingInteger(std::string_view text);
