#include "stop_signals.h"

#include <QSocketNotifier>
#include <cassert>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

int gPipe[2] = {-1, -1};
struct sigaction gPreviousInt;
struct sigaction gPreviousTerm;

void OnStopSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = write(gPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

StopSignals::StopSignals() {
    assert(gPipe[0] < 0 && "one StopSignals at a time");
    if (pipe(gPipe) != 0) return;
    for (const int fd : gPipe) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &gPreviousInt);
    sigaction(SIGTERM, &action, &gPreviousTerm);
    notifier_ = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        const int before = count_;
        Drain();
        if (count_ > before) emit Received();
    });
}

StopSignals::~StopSignals() {
    if (gPipe[0] < 0) return;
    sigaction(SIGINT, &gPreviousInt, nullptr);
    sigaction(SIGTERM, &gPreviousTerm, nullptr);
    notifier_.reset();
    close(gPipe[0]);
    close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void StopSignals::Drain() {
    char bytes[64];
    ssize_t n = 0;
    while ((n = read(gPipe[0], bytes, sizeof bytes)) > 0) count_ += static_cast<int>(n);
}

int StopSignals::Count() {
    Drain();
    return count_;
}
