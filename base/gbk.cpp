#include "gbk.h"

#include <QByteArrayView>
#include <algorithm>

#include "gbk_codec.h"
#include "gbk_sequence.h"

namespace {

QByteArrayView View(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// GBK keeps ASCII as it is. Track data and list files are mostly ASCII, and opening a
// converter costs more than converting a track, so ASCII skips the converter.
bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Characters without a code become '?'; `complete` tells whether there were any.
std::string Encode(const QString& text, bool* complete = nullptr) {
    if (IsAscii(text)) return text.toLatin1().toStdString();
    return EncodeGbk(text, complete);
}

// Bytes that are not GBK become replacement characters; `valid` tells whether there were
// any.
QString DecodeBytes(std::string_view gbk, bool* valid = nullptr) {
    if (IsAscii(gbk)) return QString::fromLatin1(View(gbk));
    return DecodeGbk(gbk, valid);
}

}  // namespace

QString WithLineBreaks(QString text, QStringView lineBreak) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar other : {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(other, QChar(u'\n'));
    if (lineBreak != u"\n") text.replace(QChar(u'\n'), lineBreak.toString());
    return text;
}

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    return Encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return DecodeBytes(gbk).toUtf8().toStdString();
}

std::optional<std::string> TextToGbk(const QString& text) {
    bool complete = true;
    std::string bytes = Encode(text, &complete);
    if (!complete) return std::nullopt;
    return bytes;
}

QString GbkToText(std::string_view gbk) {
    return DecodeBytes(gbk);
}

bool IsValidGbk(std::string_view bytes) {
    bool valid = true;
    [[maybe_unused]] const QString text = DecodeBytes(bytes, &valid);
    return valid;
}

std::string ScreenTextToGbk(const QString& text) {
    return Encode(WithLineBreaks(text, u"\r\n"));
}

int GbkByteLength(const QString& text) {
    return static_cast<int>(ScreenTextToGbk(text).size());
}

bool GbkCanEncode(const QString& text) {
    return TextToGbk(WithLineBreaks(text, u"\n")).has_value();
}

QString GbkChunkDecoder::Decode(std::string_view gbk) {
    if (pendingLead_.empty() && IsAscii(gbk)) return QString::fromLatin1(View(gbk));
    std::string bytes = pendingLead_ + std::string(gbk);
    pendingLead_.clear();
    if (EndsInLeadByte(bytes)) {
        pendingLead_ = bytes.back();
        bytes.pop_back();
    }
    return DecodeBytes(bytes);
}

QString GbkScreenDecoder::Decode(std::string_view gbk) {
    QString text = decoder_.Decode(gbk);
    if (pendingCr_) text.prepend(QChar(u'\r'));
    pendingCr_ = text.endsWith(QChar(u'\r'));
    if (pendingCr_) text.chop(1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
