#include "link_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<LinkKeys::Link> ParseLinkName(std::string_view text) {
    if (SameWord(text, "serial")) return LinkKeys::Link::Serial;
    if (SameWord(text, "hid")) return LinkKeys::Link::Hid;
    return std::nullopt;
}

std::optional<uint16_t> ParseUsbId(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
    if (text.empty() || text.size() > 4) return std::nullopt;
    uint16_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return id;
}

std::string UsbIdText(uint16_t id) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(4, '0');
    for (int place = 3; place >= 0; --place, id = static_cast<uint16_t>(id >> 4)) {
        text[static_cast<std::size_t>(place)] = kDigits[id & 0xF];
    }
    return text;
}
