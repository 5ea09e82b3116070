#include "skin.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>
#include <utility>

#include "executable_dir.h"

StyleSheetSkin::StyleSheetSkin(QApplication& application, std::filesystem::path folder)
    : application_(application), folder_(std::move(folder)) {}

StyleSheetSkin::StyleSheetSkin(QApplication& application)
    : StyleSheetSkin(application, ExecutableDirectory()) {}

void StyleSheetSkin::Load(const QString& fileName) {
    QFile file(folder_ / fileName.toStdU16String());
    if (!file.open(QIODevice::ReadOnly)) return;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString styleSheet = utf8(file.readAll());
    if (utf8.hasError() || styleSheet.trimmed().isEmpty()) return;
    application_.setStyleSheet(styleSheet);
}

void StyleSheetSkin::Remove() {
    application_.setStyleSheet(QString());
}
