#pragma once

#include <string>

// The system's own text for a Windows error code, in UTF-8, without the trailing line break:
// in the language of the PC, as the operator's other programs say it.
std::string SystemMessage(unsigned long error);
