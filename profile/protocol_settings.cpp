#include "protocol_settings.h"

#include <cctype>
#include <charconv>

#include "ini_file.h"

namespace {

std::optional<int> WholeNumber(std::string_view text, int min, int max) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

void Problem(ProtocolSettings& settings, std::string_view key, std::string_view value,
             ProtocolProblem::Wanted wanted, std::string example = {}) {
    settings.problems.push_back({std::string(key), std::string(value), wanted, std::move(example)});
}

void SetFamily(ProtocolSettings& settings, std::string_view key, std::string_view value) {
    std::string lower(value);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const DeviceFamilyKind family : {DeviceFamilyKind::Commands, DeviceFamilyKind::EscBlock}) {
        if (lower == FamilyName(family)) {
            settings.family = family;
            return;
        }
    }
    Problem(settings, key, value, ProtocolProblem::Wanted::Family);
}

void SetBpi(std::optional<int>& field, ProtocolSettings& settings, std::string_view key,
            std::string_view value) {
    const auto bpi = WholeNumber(value, 75, 210);
    if (bpi == 75 || bpi == 210) {
        field = bpi;
    } else {
        Problem(settings, key, value, ProtocolProblem::Wanted::Bpi);
    }
}

void SetCount(std::optional<int>& field, ProtocolSettings& settings, std::string_view key,
              std::string_view value) {
    field = WholeNumber(value, 0, 255);
    if (!field) Problem(settings, key, value, ProtocolProblem::Wanted::Count);
}

// One number for all three tracks, or three separated by commas.
void SetBitsPerChar(ProtocolSettings& settings, std::string_view key, std::string_view value) {
    std::array<int, 3> bits{};
    std::string_view rest = value;
    std::size_t given = 0;
    for (; given < bits.size() && !rest.empty(); ++given) {
        const std::size_t comma = rest.find(',');
        const auto b = WholeNumber(rest.substr(0, comma), 5, 8);
        if (!b) break;
        bits[given] = *b;
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    if (given == 1 && rest.empty()) bits.fill(bits[0]);
    if (rest.empty() && (given == 1 || given == 3)) {
        settings.bitsPerChar = bits;
    } else {
        Problem(settings, key, value, ProtocolProblem::Wanted::BitsPerChar);
    }
}

void SetSwipeTimeout(ProtocolSettings& settings, std::string_view key, std::string_view value) {
    const auto ms = WholeNumber(value, 0, 24 * 3600 * 1000);
    if (ms) {
        settings.swipeTimeoutMs = *ms;
    } else {
        Problem(settings, key, value, ProtocolProblem::Wanted::Milliseconds);
    }
}

void SetLink(ProtocolSettings& settings, std::string_view key, std::string_view value) {
    if (const auto link = ParseLinkName(value)) {
        settings.link.link = *link;
    } else {
        Problem(settings, key, value, ProtocolProblem::Wanted::Link);
    }
}

void SetUsbId(uint16_t& field, ProtocolSettings& settings, std::string_view key,
              std::string_view value) {
    if (const auto id = ParseUsbId(value)) {
        field = *id;
    } else {
        Problem(settings, key, value, ProtocolProblem::Wanted::UsbId, UsbIdText(field));
    }
}

// One row per key: a new key is a new row.
struct ProtocolKey {
    std::string_view name;
    void (*apply)(ProtocolSettings&, std::string_view key, std::string_view value);
};

constexpr ProtocolKey kKeys[] = {
    {"Family", SetFamily},
    {"Track1Bpi",
     [](ProtocolSettings& s, std::string_view k, std::string_view v) { SetBpi(s.track1Bpi, s, k, v); }},
    {"Track3Bpi",
     [](ProtocolSettings& s, std::string_view k, std::string_view v) { SetBpi(s.track3Bpi, s, k, v); }},
    {"LeadingZeros13",
     [](ProtocolSettings& s, std::string_view k,
        std::string_view v) { SetCount(s.leadingZeros13, s, k, v); }},
    {"LeadingZeros2",
     [](ProtocolSettings& s, std::string_view k,
        std::string_view v) { SetCount(s.leadingZeros2, s, k, v); }},
    {"BitsPerChar", SetBitsPerChar},
    {"SwipeTimeoutMs", SetSwipeTimeout},
    {"Link", SetLink},
    {"UsbVendor",
     [](ProtocolSettings& s, std::string_view k,
        std::string_view v) { SetUsbId(s.link.usbVendor, s, k, v); }},
    {"UsbProduct",
     [](ProtocolSettings& s, std::string_view k,
        std::string_view v) { SetUsbId(s.link.usbProduct, s, k, v); }},
};

}  // namespace

std::vector<std::string_view> ProtocolKeys() {
    std::vector<std::string_view> names;
    for (const ProtocolKey& key : kKeys) names.push_back(key.name);
    return names;
}

ProtocolSettings LoadProtocolSettings(const IniFile& file) {
    ProtocolSettings settings;
    for (const ProtocolKey& key : kKeys) {
        const std::optional<std::string> value = file.Value(kProtocolSection, key.name);
        if (value) key.apply(settings, key.name, *value);
    }
    return settings;
}

std::string_view FamilyName(DeviceFamilyKind family) {
    return family == DeviceFamilyKind::EscBlock ? "esc-block" : "commands";
}
