// cardsim: a magnetic-stripe card reader/writer played on a pseudo-terminal, answering
// in the bytes of a device profile, so the console can be tried and tested without one.

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "command_line.h"
#include "device_profile.h"
#include "dispatcher.h"
#include "executable_dir.h"
#include "pty_port.h"
#include "read_side.h"
#include "scheduler.h"
#include "transcript.h"
#include "write_side.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

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

void PrintUsage() {
    std::printf(
        "usage: cardsim [options]\n"
        "  --link PATH        where the console finds the port (default: ports/COM1 beside\n"
        "                     the console executable)\n"
        "  --profile PATH     device profile (default: QXProduct.ini beside the console)\n"
        "  --transcript FILE  timestamped hex of every byte, both ways\n"
        "%s%s",
        ReadSide::Usage(), WriteSide::Usage());
}

// Writes everything, waiting while the terminal's queue is full.
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd out{fd, POLLOUT, 0};
            poll(&out, 1, 50);
            if (stopRequested) return false;
        } else {
            return false;
        }
    }
    return true;
}

int Serve(PtyPort& port, Dispatcher& dispatcher, Scheduler& output, Transcript& transcript) {
    std::vector<char> buffer(4096);
    while (!stopRequested) {
        const int toNext = output.MillisecondsToNext();
        pollfd in{port.Fd(), POLLIN, 0};
        const int ready = poll(&in, 1, toNext < 0 ? 200 : std::min(toNext, 200));
        if (ready < 0 && errno != EINTR) {
            std::perror("cardsim: poll");
            return 1;
        }
        if (ready > 0 && (in.revents & POLLIN)) {
            const ssize_t n = read(port.Fd(), buffer.data(), buffer.size());
            if (n > 0) {
                const std::string_view bytes(buffer.data(), static_cast<std::size_t>(n));
                transcript.Received(bytes);
                dispatcher.Receive(bytes, output);
            }
        }
        const std::string due = output.TakeDue();
        if (!due.empty()) {
            transcript.Sent(due);
            if (!WriteAll(port.Fd(), due)) break;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage();
        return 0;
    }
    std::vector<std::string> known = {"--link", "--profile", "--transcript"};
    for (const auto& name : ReadSide::OptionNames()) known.push_back(name);
    for (const auto& name : WriteSide::OptionNames()) known.push_back(name);
    CommandLine options;
    if (const auto error = options.Parse(argc, argv, known)) {
        std::fprintf(stderr, "cardsim: %s (see --help)\n", error->c_str());
        return 2;
    }

    const auto here = ExecutableDirectory();
    const std::string profilePath = options.Get("--profile", (here / kProfileFileName).string());
    DeviceProfile profile;
    LoadDeviceProfile(profile, profilePath);

    Transcript transcript;
    if (options.Has("--transcript") && !transcript.Open(options.Get("--transcript", ""))) {
        std::fprintf(stderr, "cardsim: cannot write the transcript %s\n",
                     options.Get("--transcript", "").c_str());
        return 2;
    }

    ReadSide reading(profile, options);
    WriteSide writing(profile, options);
    Dispatcher dispatcher({&reading, &writing}, {profile.SoftReset, profile.HardReset});
    Scheduler output;

    InstallStopHandlers();
    PtyPort port;
    const std::filesystem::path link = options.Get("--link", (here / "ports" / "COM1").string());
    if (const std::string error = port.Open(link); !error.empty()) {
        std::fprintf(stderr, "cardsim: %s\n", error.c_str());
        return 1;
    }
    std::printf("cardsim: device ready at %s (-> %s), profile %s\n", link.c_str(),
                port.TerminalPath().c_str(), profilePath.c_str());
    std::fflush(stdout);
    return Serve(port, dispatcher, output, transcript);
}
