// The Windows serial link with its usual time-outs: one read after the profile's track 2
// read command, whose time and bytes are printed for wine_job_test.sh to judge; then a
// settings text the system cannot read, which must leave the port closed with a reason
// that names the text.
//   serial_timeout_check PORT
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
    const unsigned char readTrack2[] = {0x1b, 0x72, 0x32};
    link.Write(readTrack2, sizeof readTrack2);
    unsigned char bytes[64];
    const auto start = std::chrono::steady_clock::now();
    const int received = link.Read(bytes, sizeof bytes);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    std::printf("after %lld ms:", static_cast<long long>(elapsed));
    for (int i = 0; i < received; ++i) std::printf(" %02x", bytes[i]);
    std::printf("\n");
    link.Close();

    const std::string unreadable = "baud=fast parity=N data=8 stop=1";
    SerialLink refused;
    refused.SetPortName(argv[1]);
    refused.SetSettings(unreadable);
    refused.Open();
    std::printf("settings \"%s\": %s\n", unreadable.c_str(), refused.FailureReason().c_str());
    const bool named = !refused.IsOpen() && refused.FailureReason().find(unreadable) != std::string::npos;
    return named ? 0 : 1;
}
