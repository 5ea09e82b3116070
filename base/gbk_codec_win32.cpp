#include <windows.h>

#include <algorithm>

#include "gbk_codec.h"
#include "gbk_sequence.h"

namespace {

constexpr UINT kCodePage = 936;

int Size(std::string_view bytes) {
    return static_cast<int>(bytes.size());
}

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// MB_ERR_INVALID_CHARS refuses the whole text at the first bad byte; without it the
// system puts its own replacement in, which is not U+FFFD. So the fast path converts
// everything at once, and only a text with bad bytes goes character by character.
bool DecodeStrict(std::string_view gbk, QString& text) {
    const int length =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, gbk.data(), Size(gbk), nullptr, 0);
    if (length <= 0) return false;
    text.resize(length);
    MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, gbk.data(), Size(gbk),
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return true;
}

}  // namespace

std::string EncodeGbk(const QString& text, bool* complete) {
    const int units = static_cast<int>(text.size());
    // No best fit: a character 936 cannot hold is refused, not swapped for a look-alike.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int length =
        WideCharToMultiByte(kCodePage, flags, Wide(text), units, nullptr, 0, "?", nullptr);
    std::string bytes(static_cast<size_t>(std::max(length, 0)), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kCodePage, flags, Wide(text), units, bytes.data(), length, "?",
                        &usedDefault);
    if (complete != nullptr) *complete = usedDefault == FALSE;
    return bytes;
}

QString DecodeGbk(std::string_view gbk, bool* valid) {
    QString text;
    if (gbk.empty() || DecodeStrict(gbk, text)) {
        if (valid != nullptr) *valid = true;
        return text;
    }
    text.clear();
    size_t at = 0;
    while (at < gbk.size()) {
        const size_t length = GbkSequenceLength(gbk, at);
        QString character;
        text += DecodeStrict(gbk.substr(at, length), character) ? character
                                                                : QString(QChar::ReplacementCharacter);
        at += length;
    }
    if (valid != nullptr) *valid = false;
    return text;
}
