#pragma once

#include <optional>

#include "qt_chinese_texts.h"
#include "ui_language.h"

// The window's texts in the language chosen, Qt's own (message box buttons, the file
// dialog) following them, for as long as the object lives.
class WindowTexts {
  public:
    explicit WindowTexts(LanguageChoice choice);

  private:
    LanguageTexts texts_;
    std::optional<QtChineseTexts> qtTexts_;
};
