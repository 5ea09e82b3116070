// The Windows serial link on a silent port: a one-byte read must come back empty after
// about 1 * 1 + 500 ms, and a settings text the system cannot read must leave the port
// closed with a reason that names the text. Run by wine_job_test.sh with the port's name.
#include <chrono>
#include <cstdio>
#include <string>

#include "serial_link.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: serial_timeout_check PORT\n");
        return 2;
    }
    SerialLink link;
    link.SetPortName(argv[1]);
    link.Open();
    if (!link.IsOpen()) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], link.FailureReason().c_str());
        return 1;
    }
    unsigned char byte = 0;
    const auto start = std::chrono::steady_clock::now();
    const int received = link.Read(&byte, 1);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    std::printf("silent one-byte read: %d bytes after %lld ms\n", received,
                static_cast<long long>(elapsed));
    // Wide margins: Wine and a busy machine add delay, never take it away.
    const bool timedOut = received == 0 && elapsed >= 450 && elapsed <= 2000;
    link.Close();

    const std::string unreadable = "baud=fast parity=N data=8 stop=1";
    SerialLink refused;
    refused.SetPortName(argv[1]);
    refused.SetSettings(unreadable);
    refused.Open();
    std::printf("settings \"%s\": %s\n", unreadable.c_str(), refused.FailureReason().c_str());
    const bool named = !refused.IsOpen() && refused.FailureReason().find(unreadable) != std::string::npos;
    return timedOut && named ? 0 : 1;
}
