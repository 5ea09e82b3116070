#include "gbk_bridge.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

// GBK keeps ASCII as it is. Track data is mostly ASCII, and opening a converter costs
// more than converting a track, so ASCII skips the converter.

namespace {

QByteArrayView View(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

std::optional<std::string> TextToGbk(const QString& text) {
    if (IsAscii(text)) return text.toLatin1().toStdString();
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes.toStdString();
}

QString GbkToText(std::string_view gbk) {
    if (IsAscii(gbk)) return QString::fromLatin1(View(gbk));
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    return decoder(View(gbk));
}

bool IsValidGbk(std::string_view bytes) {
    if (IsAscii(bytes)) return true;
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(View(bytes));
    return !decoder.hasError();
}
