#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> TextToGbk(const QString& text);
QString GbkToText(std::string_view gbk);
bool IsValidGbk(std::string_view bytes);
