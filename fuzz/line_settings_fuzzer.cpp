// The settings-text parser on any text: accepted values stay in their ranges, letter case
// never matters, and what it accepted reads back the same from a text written anew.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "line_settings.h"

namespace {

bool operator==(const LineSettings& a, const LineSettings& b) {
    return a.baudRate == b.baudRate && a.parity == b.parity && a.dataBits == b.dataBits &&
           a.stopBits == b.stopBits;
}

std::string Cased(std::string_view text, int (*change)(int)) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [change](unsigned char c) { return static_cast<char>(change(c)); });
    return out;
}

// The settings as a text in upper case, keys in the opposite order of the usual one.
std::string Written(const LineSettings& settings) {
    static constexpr const char* kParity[] = {"N", "E", "O", "M", "S"};
    static constexpr const char* kStop[] = {"1", "1.5", "2"};
    std::string text;
    if (settings.stopBits) text += " STOP=" + std::string(kStop[int(*settings.stopBits)]);
    if (settings.dataBits) text += " DATA=" + std::to_string(*settings.dataBits);
    if (settings.parity) text += " PARITY=" + std::string(kParity[int(*settings.parity)]);
    if (settings.baudRate) text += " BAUD=" + std::to_string(*settings.baudRate);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto settings = ParseLineSettings(text);

    const auto upper = ParseLineSettings(Cased(text, toupper));
    const auto lower = ParseLineSettings(Cased(text, tolower));
    Require(upper.has_value() == settings.has_value() && lower.has_value() == settings.has_value(),
            "letter case does not decide acceptance");
    if (!settings) return 0;
    Require(*upper == *settings && *lower == *settings, "letter case does not change values");

    Require(settings->baudRate || settings->parity || settings->dataBits || settings->stopBits,
            "an accepted text sets something");
    Require(!settings->baudRate || *settings->baudRate > 0, "baud rate above 0");
    Require(!settings->dataBits || (*settings->dataBits >= 5 && *settings->dataBits <= 8),
            "data bits 5 to 8");
    const auto again = ParseLineSettings(Written(*settings));
    Require(again && *again == *settings, "accepted settings read back in any order");
    return 0;
}
