#include "qt_texts.h"

WindowTexts::WindowTexts(LanguageChoice choice) : texts_(choice) {
    if (choice.language == UiLanguage::Chinese) qtTexts_.emplace();
}
