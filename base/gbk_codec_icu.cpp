#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

#include "gbk_codec.h"

namespace {
constexpr const char* kCodePage = "GBK";
}

std::string EncodeGbk(const QString& text, bool* complete) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    if (complete != nullptr) *complete = !encoder.hasError();
    return bytes.toStdString();
}

QString DecodeGbk(std::string_view gbk, bool* valid) {
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    if (valid != nullptr) *valid = !decoder.hasError();
    return text;
}
