// The escaping of text for a terminal, fed any bytes: nothing a terminal acts on comes
// out, and the text can be told back exactly from what is shown, so two different texts
// never look the same.
//
//   build-fuzz/fuzz/control_escape_fuzzer -max_total_time=60 fuzz/corpus/control_escape
#include <cstdint>
#include <string>
#include <string_view>

#include "control_escape.h"
#include "fuzz_input.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    Require(false, "escapes use lower-case hex digits");
    return 0;
}

// What a reader of the escaped text knows the original to be.
std::string Unescaped(std::string_view shown) {
    std::string text;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != '\\') {
            text += shown[i];
            continue;
        }
        Require(i + 1 < shown.size(), "no lone backslash at the end");
        const char kind = shown[++i];
        if (kind == '\\') {
            text += '\\';
            continue;
        }
        const std::size_t digits = kind == 'x' ? 2 : 4;
        Require((kind == 'x' || kind == 'u') && i + digits < shown.size(), "a whole escape");
        int value = 0;
        for (std::size_t d = 1; d <= digits; ++d) value = value * 16 + HexValue(shown[i + d]);
        i += digits;
        if (kind == 'u') text += static_cast<char>(0xC0 | (value >> 6));
        text += static_cast<char>(kind == 'u' ? 0x80 | (value & 0x3F) : value);
    }
    return text;
}

void CheckNothingActive(std::string_view shown) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        const bool lineBreak =
            byte == '\n' || (byte == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n');
        Require(lineBreak || (byte >= 0x20 && byte != 0x7F), "no C0 control or DEL");
        const bool c1 = byte == 0xC2 && i + 1 < shown.size() &&
                        static_cast<unsigned char>(shown[i + 1]) < 0xA0;
        Require(!c1, "no C1 control");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string shown = EscapeControls(text);
    CheckNothingActive(shown);
    Require(Unescaped(shown) == text, "the text is told back exactly");
    return 0;
}
