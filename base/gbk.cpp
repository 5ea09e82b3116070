#include "gbk.h"

#include <QByteArray>
#include <QStringEncoder>

namespace {

constexpr const char* kCodePage = "GBK";

std::string Encode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}

// Every kind of line break as one LF.
QString WithLfBreaks(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QChar(u'\r'), QChar(u'\n'));
    result.replace(QChar::ParagraphSeparator, QChar(u'\n'));
    result.replace(QChar::LineSeparator, QChar(u'\n'));
    return result;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    return Encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string GbkToUtf8(std::string_view gbk) {
    QStringDecoder decoder(kCodePage);
    const QString text = decoder(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    return text.toUtf8().toStdString();
}

std::string ScreenTextToGbk(const QString& text) {
    QString crlf = WithLfBreaks(text);
    crlf.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return Encode(crlf);
}

int GbkByteLength(const QString& text) {
    return static_cast<int>(ScreenTextToGbk(text).size());
}

bool GbkCanEncode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    // The encoder reports unencodable characters only once it has run.
    [[maybe_unused]] const QByteArray bytes = encoder(WithLfBreaks(text));
    return !encoder.hasError();
}

GbkScreenDecoder::GbkScreenDecoder() : decoder_(kCodePage) {}

QString GbkScreenDecoder::Decode(std::string_view gbk) {
    QString text = decoder_(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    if (pendingCr_) text.prepend(QChar(u'\r'));
    pendingCr_ = text.endsWith(QChar(u'\r'));
    if (pendingCr_) text.chop(1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
