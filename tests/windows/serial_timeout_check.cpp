// The Windows serial link's read time-outs on a silent port: a one-byte read must come
// back empty after about 1 * 1 + 500 ms. Run by wine_job_test.sh with the port's name.
#include <chrono>
#include <cstdio>

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
    return received == 0 && elapsed >= 450 && elapsed <= 2000 ? 0 : 1;
}
