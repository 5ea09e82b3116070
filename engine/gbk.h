#pragma once

#include <string>
#include <string_view>

// The device and the job log speak GBK (code page 936); the source and the screen speak
// Unicode. These are the only conversions between the two.
std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);
