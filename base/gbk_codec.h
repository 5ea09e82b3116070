#pragma once

#include <QString>
#include <string>
#include <string_view>

// The code page 936 conversion itself, one implementation per platform: Qt's ICU-backed
// converter where Qt has ICU, the system's code page 936 on Windows, whose Qt has none.
// Both give the same bytes and the same text for every input; base/gbk builds on these.

// Characters without a code become '?'; `complete`, when given, tells whether there were any.
std::string EncodeGbk(const QString& text, bool* complete);

// Bytes that are not GBK become U+FFFD; `valid`, when given, tells whether there were any.
QString DecodeGbk(std::string_view gbk, bool* valid);
