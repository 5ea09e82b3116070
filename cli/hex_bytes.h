#pragma once

#include <string>
#include <string_view>

// Bytes as people read them in reports: "1b 72 35".
std::string HexBytes(std::string_view bytes);
