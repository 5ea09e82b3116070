#include "gbk.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

std::string Utf8ToGbk(std::string_view utf8) {
    QStringEncoder encoder("GBK");
    const QByteArray bytes =
        encoder(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return bytes.toStdString();
}

std::string GbkToUtf8(std::string_view gbk) {
    QStringDecoder decoder("GBK");
    const QString text = decoder(QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size())));
    return text.toUtf8().toStdString();
}
