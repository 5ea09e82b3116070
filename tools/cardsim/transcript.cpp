#include "transcript.h"

#include <cstdio>

bool Transcript::Open(const std::string& path) {
    out_.open(path, std::ios::out | std::ios::trunc);
    return static_cast<bool>(out_);
}

void Transcript::Write(const char* direction, std::string_view bytes) {
    if (!out_.is_open() || bytes.empty()) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "+%010.3f %s", seconds, direction);
    out_ << stamp;
    for (unsigned char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        out_ << hex;
    }
    out_ << '\n';
    out_.flush();
}
