#include "hex_command.h"

namespace {

// The device tools that write these files use lower-case digits; the table below is
// searched for the first 15 entries only, so "f", the upper-case letters and every
// other character all read as 15. Stored profiles rely on that reading.
constexpr std::string_view kDigitTable = "1234567890abcdef";
constexpr unsigned char kDigitValues[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11, 12, 13, 14, 15};

unsigned char DigitValue(char c, HexReading& reading) {
    for (std::size_t i = 0; i + 1 < kDigitTable.size(); ++i) {
        if (kDigitTable[i] == c) return kDigitValues[i];
    }
    if (c != kDigitTable.back() && reading.readAsF.find(c) == std::string::npos) {
        reading.readAsF += c;
    }
    return kDigitValues[kDigitTable.size() - 1];
}

}  // namespace

HexReading DecodeHexCommand(std::string_view text, CommandSlot& slot) {
    HexReading reading;
    reading.groups = text.size() / 4;
    if (text.size() % 4 != 0) {
        reading.refusal = HexReading::Refusal::BadLength;
        return reading;
    }
    if (reading.groups > CommandSlot::kMaxLength) {
        reading.refusal = HexReading::Refusal::TooManyBytes;
        return reading;
    }
    for (std::size_t i = 0; i < reading.groups; ++i) {
        const unsigned high = DigitValue(text[4 * i + 2], reading);
        const unsigned low = DigitValue(text[4 * i + 3], reading);
        slot.bytes[i] = static_cast<unsigned char>(16 * high + low);
    }
    slot.bytes[reading.groups] = 0;
    reading.cutAtZero = slot.Length() < reading.groups;
    return reading;
}
