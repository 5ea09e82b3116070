// DecodeHexCommand on any text: what a slot may come to hold, and the reading of the
// digits, against a reading of the notation written out here once more by hand.
#include <cstdint>

#include "fuzz_input.h"
#include "hex_command.h"

namespace {

// Lower-case hex digits count; the table the decoder searches stops short of "f", so "f"
// and every other character, the upper-case digits too, read as 15.
unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'e') return static_cast<unsigned>(c - 'a' + 10);
    return 15;
}

}  // namespace

// The first byte sets what the slot held before (length and filler), the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    CommandSlot before;
    const uint8_t shape = input.Byte();
    for (std::size_t i = 0; i < (shape & 7u); ++i)
        before.bytes[i] = static_cast<unsigned char>(shape | 0x80);
    const std::string_view text = input.Rest();

    CommandSlot slot = before;
    DecodeHexCommand(text, slot);

    Require(slot.Length() <= CommandSlot::kMaxLength, "at most 7 bytes");
    Require(slot.View().find('\0') == std::string_view::npos, "no 0x00 in a command");
    const std::size_t groups = text.size() / 4;
    if (text.size() % 4 != 0 || groups > CommandSlot::kMaxLength) {
        Require(slot.bytes == before.bytes, "a refused text leaves the slot as it was");
        return 0;
    }
    for (std::size_t i = 0; i < groups; ++i) {
        const unsigned expected = 16 * DigitValue(text[4 * i + 2]) + DigitValue(text[4 * i + 3]);
        Require(slot.bytes[i] == expected, "each group gives the byte of its two digits");
    }
    Require(slot.bytes[groups] == 0, "the terminator follows the last group");
    for (std::size_t i = groups + 1; i < CommandSlot::kCapacity; ++i)
        Require(slot.bytes[i] == before.bytes[i], "bytes past the terminator untouched");
    return 0;
}
