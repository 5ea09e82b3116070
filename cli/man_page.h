#pragma once

#include <string>

// cardctl(1) in troff, from the command and option tables the parser reads.
std::string ManPage();
