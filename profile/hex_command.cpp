#include "hex_command.h"

namespace {

// The device tools that write these files use lower-case digits; the table below is
// searched for the first 15 entries only, so "f", the upper-case letters and every
// other character all read as 15. Stored profiles rely on that reading.
constexpr std::string_view kDigitTable = "1234567890abcdef";
constexpr unsigned char kDigitValues[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11, 12, 13, 14, 15};

unsigned char DigitValue(char c) {
    for (std::size_t i = 0; i + 1 < kDigitTable.size(); ++i) {
        if (kDigitTable[i] == c) return kDigitValues[i];
    }
    return kDigitValues[kDigitTable.size() - 1];
}

}  // namespace

void DecodeHexCommand(std::string_view text, CommandSlot& slot) {
    if (text.size() % 4 != 0) return;
    const std::size_t count = text.size() / 4;
    if (count > CommandSlot::kMaxLength) return;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned high = DigitValue(text[4 * i + 2]);
        const unsigned low = DigitValue(text[4 * i + 3]);
        slot.bytes[i] = static_cast<unsigned char>(16 * high + low);
    }
    slot.bytes[count] = 0;
}
