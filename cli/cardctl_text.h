#pragma once

#include <QCoreApplication>
#include <initializer_list>
#include <string>
#include <string_view>

// cardctl's own messages are written in English and shown in the operator's language
// (translations/carddemo_zh_CN.ts); on a bare system they stay as written. Names, commands,
// options, paths and the records' words are data and are not translated.
struct CardctlText {
    Q_DECLARE_TR_FUNCTIONS(CardctlText)
};

// A text marked where it is written with QT_TRANSLATE_NOOP("CardctlText", ...), in the
// operator's language.
inline QString CardctlTranslated(const char* english) {
    return QCoreApplication::translate("CardctlText", english);
}

// `message` in UTF-8 with %1 to %9 replaced by the values in one pass: a value's bytes stay
// as they are (a path, a profile's text or the system's reason need not be UTF-8), and a
// "%2" inside a value is not taken for a place.
std::string Filled(const QString& message, std::initializer_list<std::string_view> values);

// One of cardctl's own lines: "cardctl: " and the message, filled as Filled() fills it.
std::string CardctlLine(const QString& message,
                        std::initializer_list<std::string_view> values = {});
