#include "control_escape.h"

#include <cstddef>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& out, const char* prefix, unsigned value) {
    out += prefix;
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there starts none.
// Overlong forms, surrogates and values above U+10FFFF are not valid.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || !IsContinuation(byte(1), low, high)) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i))) return 0;
    return length;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte == '\n' || (byte == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendHex(out, "\\x", byte);
        } else if (byte >= 0x80) {
            const std::size_t length = SequenceLength(text, at);
            if (length == 0) {
                AppendHex(out, "\\x", byte);
            } else if (byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
                AppendHex(out, "\\u00", static_cast<unsigned char>(text[at + 1]));
            } else {
                out += text.substr(at, length);
            }
            at += length > 0 ? length : 1;
            continue;
        } else {
            out += static_cast<char>(byte);
        }
        ++at;
    }
    return out;
}
