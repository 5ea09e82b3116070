#include "write_report.h"

#include <cstdio>

namespace {

std::string Printable(const std::string& bytes) {
    std::string text;
    for (const unsigned char byte : bytes) {
        if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\') {
            text.push_back(static_cast<char>(byte));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            text += hex;
        }
    }
    return text;
}

}  // namespace

void ReportWrittenCard(const std::string& setup, const CardTracks& card, const char* answer) {
    std::printf("cardsim: card written (%s):", setup.c_str());
    for (const auto& [track, data] : card) {
        std::printf(" track %d \"%s\" (%zu bytes);", track, Printable(data).c_str(), data.size());
    }
    std::printf(" answer %s\n", answer);
    std::fflush(stdout);
}
