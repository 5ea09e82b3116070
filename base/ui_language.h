#pragma once

#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// The language the programs speak to the operator. The window's and the engine's texts are
// written in Chinese and translated into English; cardctl's own messages are written in
// English and translated into Chinese. Data never follows the language: the bytes to the
// device, the record columns and status words, and the list formats stay as they are.
enum class UiLanguage { Chinese, English };

// "zh" or "en", as CARDDEMO_LANG and cardctl's --lang name them; nothing for any other.
std::optional<UiLanguage> LanguageNamed(std::string_view name);

struct LanguageChoice {
    LanguageChoice(UiLanguage chosen, bool writtenOnly = false)  // NOLINT: a language is a choice
        : language(chosen), asWritten(writtenOnly) {}
    bool operator==(const LanguageChoice&) const = default;

    UiLanguage language;
    // Chinese only because the system names no language (the C/POSIX locale): every text
    // stays as written, so the window and the log speak Chinese and cardctl's own messages
    // stay English, as they always were on a bare system.
    bool asWritten;
};

// By the most preferred UI language: Chinese for Chinese in any script or region and for
// the C/POSIX locale (a bare system, where the console has always spoken Chinese); English
// for any other named language.
LanguageChoice LanguageOfSystem(const QStringList& uiLanguages);

// The one choice, made once at start-up: the program's option when given, else
// CARDDEMO_LANG when it names a language, else the system's UI languages.
LanguageChoice ChooseLanguage(std::optional<UiLanguage> option = std::nullopt);

// The programs' catalogue for the language, installed in the application for as long as
// the object lives. Needs the application object.
class LanguageTexts {
  public:
    explicit LanguageTexts(LanguageChoice choice);
    ~LanguageTexts();
    LanguageTexts(const LanguageTexts&) = delete;
    LanguageTexts& operator=(const LanguageTexts&) = delete;

  private:
    std::unique_ptr<QTranslator> translator_;
};
