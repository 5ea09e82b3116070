#pragma once

#include <QString>
#include <string_view>

// How the bytes of a card list file are read as text: UTF-8 with or without a byte-order
// mark, or GBK when the file is not valid UTF-8.

enum class TextEncoding { Utf8, Gbk };

enum class TextFault {
    None,
    Utf16,        // a byte-order mark or a NUL byte beside the first character says so
    NulByte,      // no text file holds one
    Undecodable,  // neither valid UTF-8 nor valid GBK
};

struct ListText {
    std::string_view body;  // the bytes after a UTF-8 byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
    TextFault fault = TextFault::None;
    int faultLine = 0;  // the first line with the fault, counting from 1
};

ListText ExamineListText(std::string_view bytes);

// A piece of the body cut at ASCII bytes (separators, quotes, line breaks), as text.
QString DecodeListField(std::string_view field, TextEncoding encoding);
