// cardsim: a magnetic-stripe card reader/writer played on a pseudo-terminal, answering
// in the bytes of a device profile, so the console can be tried and tested without one.

#include <signal.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "device_profile.h"
#include "pty_port.h"
#include "serve.h"
#include "sim_device.h"
#include "sim_options.h"
#include "transcript.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage();
        return 0;
    }
    SimOptions options;
    if (const auto error = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc),
                                           ThisProgramsDataFolders(), options)) {
        std::fprintf(stderr, "cardsim: %s (see --help)\n", error->c_str());
        return 2;
    }

    DeviceProfile profile;
    LoadDeviceProfile(profile, options.profile);
    Transcript transcript;
    if (!options.transcript.empty() && !transcript.Open(options.transcript)) {
        std::fprintf(stderr, "cardsim: cannot write the transcript %s\n",
                     options.transcript.c_str());
        return 2;
    }

    const bool escBlock = options.family == DeviceFamily::EscBlock;
    const std::string link = options.link.string();
    const std::string profilePath = options.profile.string();
    SimDevice device(profile, std::move(options));

    InstallStopHandlers();
    PtyPort port;
    if (const std::string error = port.Open(link); !error.empty()) {
        std::fprintf(stderr, "cardsim: %s\n", error.c_str());
        return 1;
    }
    std::printf("cardsim: device ready at %s (-> %s), profile %s%s\n", link.c_str(),
                port.TerminalPath().c_str(), profilePath.c_str(),
                escBlock ? ", ESC-block family" : "");
    std::fflush(stdout);
    return Serve(port, device.Input(), transcript, stopRequested);
}
