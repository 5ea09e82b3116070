#pragma once

#include <string>

#include "write_parser.h"

// Says on standard output what the device wrote, each track's data readable (printable
// ASCII as it is, every other byte in hex), how it was set up and how it answers:
//   cardsim: card written (SETUP): track 2 "123" (3 bytes); answer ok
void ReportWrittenCard(const std::string& setup, const CardTracks& card, const char* answer);
