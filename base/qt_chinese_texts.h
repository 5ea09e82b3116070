#pragma once

#include <QTranslator>

// Qt's own texts (a text box's Copy and Select All, the buttons of message boxes, the
// file dialog, the command-line parser's refusals) in Chinese like the rest of the
// program, for as long as the object lives.
// Qt's Chinese translation is looked for where Qt keeps its translations, then in the
// folder `translations` beside the executable, where a deployed Windows build has it.
// Without it Qt's texts stay English and nothing else changes. Needs the application
// object.
class QtChineseTexts {
  public:
    QtChineseTexts();
    ~QtChineseTexts();
    QtChineseTexts(const QtChineseTexts&) = delete;
    QtChineseTexts& operator=(const QtChineseTexts&) = delete;

    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
};
