#include "link_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

#include "ini_file.h"

namespace {

constexpr std::string_view kSection = "Protocol";

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<uint16_t> ParseUsbId(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
    if (text.empty() || text.size() > 4) return std::nullopt;
    uint16_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return id;
}

void ReadUsbId(const IniFile& file, std::string_view key, uint16_t& id,
               std::vector<std::string>& problems) {
    const auto text = file.Value(kSection, key);
    if (!text || text->empty()) return;
    if (const auto parsed = ParseUsbId(*text)) {
        id = *parsed;
        return;
    }
    problems.push_back(std::string(key) + "=" + *text + ": not a USB id (four hex digits such as " +
                       UsbIdText(id) + "); " + UsbIdText(id) + " is used");
}

}  // namespace

std::string UsbIdText(uint16_t id) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(4, '0');
    for (int place = 3; place >= 0; --place, id = static_cast<uint16_t>(id >> 4)) {
        text[static_cast<std::size_t>(place)] = kDigits[id & 0xF];
    }
    return text;
}

LinkKeysReading ReadLinkKeys(const IniFile& file) {
    LinkKeysReading reading;
    if (const auto link = file.Value(kSection, "Link"); link && !link->empty()) {
        if (SameWord(*link, "hid")) {
            reading.keys.link = LinkKeys::Link::Hid;
        } else if (!SameWord(*link, "serial")) {
            reading.problems.push_back("Link=" + *link +
                                       ": not a link (serial or hid); serial is used");
        }
    }
    ReadUsbId(file, "UsbVendor", reading.keys.usbVendor, reading.problems);
    ReadUsbId(file, "UsbProduct", reading.keys.usbProduct, reading.problems);
    return reading;
}
