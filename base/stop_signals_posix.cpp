#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cassert>
#include <cerrno>
#include <vector>

#include "stop_signals.h"

namespace {

int gPipe[2] = {-1, -1};
std::vector<int> gWatched;
std::array<struct sigaction, 3> gPrevious{};

// The byte written is the signal's number, so the event loop knows which one came.
void OnStopSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a wake-up; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = write(gPipe[1], &byte, 1);
    errno = savedErrno;
}

StopSignals::Kind KindOf(int signal) {
    switch (signal) {
        case SIGINT:
            return StopSignals::Kind::Interrupt;
        case SIGHUP:
            return StopSignals::Kind::HangUp;
        default:
            return StopSignals::Kind::Terminate;
    }
}

}  // namespace

StopSignals::StopSignals(Watched watched) {
    assert(gPipe[0] < 0 && "one StopSignals at a time");
    if (pipe(gPipe) != 0) return;
    for (const int fd : gPipe) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    // A closed terminal or a dropped session sends SIGHUP: a program run from a shell is
    // stopped by it as by SIGTERM, so the device is still reset.
    gWatched = watched == Watched::Terminal ? std::vector{SIGINT, SIGTERM, SIGHUP}
                                            : std::vector{SIGTERM, SIGHUP};
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < gWatched.size(); ++i)
        sigaction(gWatched[i], &action, &gPrevious[i]);
    notifier_ = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        const int before = count_;
        Drain();
        if (count_ > before) emit Received();
    });
}

StopSignals::~StopSignals() {
    if (gPipe[0] < 0) return;
    for (std::size_t i = 0; i < gWatched.size(); ++i)
        sigaction(gWatched[i], &gPrevious[i], nullptr);
    notifier_.reset();
    close(gPipe[0]);
    close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void StopSignals::Drain() {
    char bytes[64];
    ssize_t n = 0;
    while ((n = read(gPipe[0], bytes, sizeof bytes)) > 0) {
        if (first_ == Kind::None) first_ = KindOf(bytes[0]);
        count_ += static_cast<int>(n);
    }
}
