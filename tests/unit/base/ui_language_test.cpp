#include "ui_language.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

TEST(UiLanguage, TheMostPreferredSystemLanguageDecides) {
    const std::pair<QStringList, LanguageChoice> cases[] = {
        {{"C"}, {UiLanguage::Chinese, true}},
        {{}, {UiLanguage::Chinese, true}},
        {{"zh-TW", "zh-Hant-TW", "zh"}, UiLanguage::Chinese},
        {{"en-US", "en-Latn-US", "en", "zh-CN"}, UiLanguage::English},
        {{"de-DE", "de"}, UiLanguage::English},
    };
    for (const auto& [system, expected] : cases)
        EXPECT_EQ(LanguageOfSystem(system), expected) << system.join(",").toStdString();
}

TEST(UiLanguage, TheOptionWinsOverTheEnvironmentWhichWinsOverTheSystem) {
    qputenv("CARDDEMO_LANG", "en");
    EXPECT_EQ(ChooseLanguage(), UiLanguage::English);
    // Named, so cardctl's messages are translated too.
    EXPECT_EQ(ChooseLanguage(LanguageNamed("zh")), UiLanguage::Chinese);
    qputenv("CARDDEMO_LANG", "fr");  // not a language of ours: the system decides
    EXPECT_EQ(ChooseLanguage(), LanguageOfSystem(QLocale::system().uiLanguages()));
    qunsetenv("CARDDEMO_LANG");
}

}  // namespace
