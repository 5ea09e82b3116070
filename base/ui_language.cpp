#include "ui_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdlib>

std::optional<UiLanguage> LanguageNamed(std::string_view name) {
    if (name == "zh") return UiLanguage::Chinese;
    if (name == "en") return UiLanguage::English;
    return std::nullopt;
}

LanguageChoice LanguageOfSystem(const QStringList& uiLanguages) {
    // The most preferred language decides; Chinese in any script or region is Chinese.
    const QString first = uiLanguages.value(0, QStringLiteral("C"));
    if (first == u"C" || first == u"POSIX") return {UiLanguage::Chinese, true};
    const bool chinese = first == u"zh" || first.startsWith(u"zh-") || first.startsWith(u"zh_");
    return chinese ? UiLanguage::Chinese : UiLanguage::English;
}

LanguageChoice ChooseLanguage(std::optional<UiLanguage> option) {
    if (option) return *option;
    if (const char* named = std::getenv("CARDDEMO_LANG")) {
        if (const auto language = LanguageNamed(named)) return *language;
    }
    return LanguageOfSystem(QLocale::system().uiLanguages());
}

LanguageTexts::LanguageTexts(LanguageChoice choice) {
    if (choice.asWritten) return;
    translator_ = std::make_unique<QTranslator>();
    // Built into the program, so that no installation can lose them.
    const QString catalogue = choice.language == UiLanguage::English
                                  ? QStringLiteral(":/i18n/carddemo_en.qm")
                                  : QStringLiteral(":/i18n/carddemo_zh_CN.qm");
    if (!translator_->load(catalogue) || !QCoreApplication::installTranslator(translator_.get()))
        translator_.reset();
}

LanguageTexts::~LanguageTexts() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}
