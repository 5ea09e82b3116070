#include "gbk_bridge.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArrayView View(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::optional<std::string> TextToGbk(const QString& text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes.toStdString();
}

QString GbkToText(std::string_view gbk) {
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    return decoder(View(gbk));
}

bool IsValidGbk(std::string_view bytes) {
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(View(bytes));
    return !decoder.hasError();
}
