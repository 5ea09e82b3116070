#include "qt_chinese_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "executable_dir.h"

namespace {

// Only Qt's base texts: the serial port's error texts stay the system's, as the log
// reports them.
const char* const kQtTranslation = "qtbase_zh_CN";

}  // namespace

QtChineseTexts::QtChineseTexts() {
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QString::fromStdString((ExecutableDirectory() / "translations").string())};
    for (const QString& folder : folders) {
        if (translator_.load(QString::fromLatin1(kQtTranslation), folder)) {
            installed_ = QCoreApplication::installTranslator(&translator_);
            return;
        }
    }
}

QtChineseTexts::~QtChineseTexts() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}
