#include "list_text.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include "csv.h"
#include "gbk.h"

namespace {


bool IsLineBreakAt(std::string_view bytes, std::size_t pos) {
    if (bytes[pos] == '\n') return true;
    return bytes[pos] == '\r' && (pos + 1 >= bytes.size() || bytes[pos + 1] != '\n');
}

int LineAt(std::string_view bytes, std::size_t pos) {
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i)
        if (IsLineBreakAt(bytes, i)) ++line;
    return line;
}

// Either byte-order mark, or ASCII text in UTF-16: a first character with one NUL byte.
bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    return bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
}

bool IsValidUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text =
        decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// GBK characters never hold a line break byte, so a file that is not GBK has a line that
// is not.
int FirstNonGbkLine(std::string_view bytes) {
    int line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !IsLineBreakAt(bytes, i)) continue;
        if (!IsValidGbk(bytes.substr(start, i - start))) return line;
        ++line;
        start = i + 1;
    }
    return 1;
}

}  // namespace

ListText ExamineListText(std::string_view bytes) {
    ListText text;
    text.body = bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
    if (LooksLikeUtf16(bytes)) {
        text.fault = TextFault::Utf16;
    } else if (const std::size_t nul = text.body.find('\0'); nul != std::string_view::npos) {
        text.fault = TextFault::NulByte;
        text.faultLine = LineAt(text.body, nul);
    } else if (!IsValidUtf8(text.body)) {
        text.encoding = TextEncoding::Gbk;
        if (!IsValidGbk(text.body)) {
            text.fault = TextFault::Undecodable;
            text.faultLine = FirstNonGbkLine(text.body);
        }
    }
    return text;
}

QString DecodeListField(std::string_view field, TextEncoding encoding) {
    if (encoding == TextEncoding::Gbk) return GbkToText(field);
    return QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
}
