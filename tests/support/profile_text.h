#pragma once

#include <map>
#include <string>
#include <string_view>

#include "gbk.h"

// "1b 72 35" -> the three bytes; blanks between byte pairs are ignored.
std::string Hex(std::string_view hex);

inline std::string Gbk(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}

// The sample profile with some keys given other values ("" empties a slot). SysDelay is 0
// unless changed, so that only the tests that look at the pause wait for it.
using ProfileChanges = std::map<std::string, std::string>;
std::string ProfileText(const ProfileChanges& changes = {});
