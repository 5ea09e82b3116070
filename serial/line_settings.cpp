#include "line_settings.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<int> PositiveInteger(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
    return value;
}

std::optional<LineSettings::Parity> ParseParity(std::string_view text) {
    if (text.size() != 1) return std::nullopt;
    switch (text[0]) {
        case 'n':
            return LineSettings::Parity::None;
        case 'e':
            return LineSettings::Parity::Even;
        case 'o':
            return LineSettings::Parity::Odd;
        case 'm':
            return LineSettings::Parity::Mark;
        case 's':
            return LineSettings::Parity::Space;
        default:
            return std::nullopt;
    }
}

std::optional<LineSettings::StopBits> ParseStopBits(std::string_view text) {
    if (text == "1") return LineSettings::StopBits::One;
    if (text == "1.5") return LineSettings::StopBits::OneAndHalf;
    if (text == "2") return LineSettings::StopBits::Two;
    return std::nullopt;
}

// Applies one key=value pair; false when the key or its value is not understood.
bool ApplyPair(std::string_view key, std::string_view value, LineSettings& settings) {
    if (key == "baud") {
        settings.baudRate = PositiveInteger(value);
        return settings.baudRate.has_value();
    }
    if (key == "parity") {
        settings.parity = ParseParity(value);
        return settings.parity.has_value();
    }
    if (key == "data") {
        const auto bits = PositiveInteger(value);
        if (!bits || *bits < 5 || *bits > 8) return false;
        settings.dataBits = bits;
        return true;
    }
    if (key == "stop") {
        settings.stopBits = ParseStopBits(value);
        return settings.stopBits.has_value();
    }
    return false;
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(std::string_view text) {
    const std::string lowered = Lowered(text);
    std::string_view rest = lowered;
    LineSettings settings;
    bool anyPair = false;
    while (true) {
        const std::size_t start = rest.find_first_not_of(" \t");
        if (start == std::string_view::npos) break;
        rest.remove_prefix(start);
        const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
        const std::string_view pair = rest.substr(0, end);
        rest.remove_prefix(end);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        if (!ApplyPair(pair.substr(0, equals), pair.substr(equals + 1), settings))
            return std::nullopt;
        anyPair = true;
    }
    if (!anyPair) return std::nullopt;
    return settings;
}
