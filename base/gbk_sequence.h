#pragma once

#include <cstddef>
#include <string_view>

// How many bytes the GBK character at `at` takes: 2 for a lead byte (0x81-0xFE) followed
// by a trail byte (0x40-0x7E, 0x80-0xFE), else 1 (ASCII, 0x80 the euro sign, or a byte
// that is no character). A lead byte that ends the text counts 1: whether it starts a
// character only the next bytes can tell.
size_t GbkSequenceLength(std::string_view gbk, size_t at);

// Whether the text ends in a lead byte whose trail byte has not come yet.
bool EndsInLeadByte(std::string_view gbk);
