#pragma once

#include <string>

// Why the device at `path` would not open, given the HID library's own text: on Linux a
// node the user may not open names the access rule that grants it.
std::string HidOpenFailure(const std::string& path, const std::string& libraryText);
