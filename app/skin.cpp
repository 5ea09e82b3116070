#include "skin.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>
#include <utility>

StyleSheetSkin::StyleSheetSkin(QApplication& application, std::filesystem::path folder)
    : application_(application), folders_{std::move(folder), {}, {}} {}

StyleSheetSkin::StyleSheetSkin(QApplication& application)
    : application_(application), folders_(ThisProgramsDataFolders()) {}

void StyleSheetSkin::Load(const QString& fileName) {
    QFile file(FindDataFile(fileName.toStdString(), folders_));
    if (!file.open(QIODevice::ReadOnly)) return;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString styleSheet = utf8(file.readAll());
    if (utf8.hasError() || styleSheet.trimmed().isEmpty()) return;
    application_.setStyleSheet(styleSheet);
}

void StyleSheetSkin::Remove() {
    application_.setStyleSheet(QString());
}
