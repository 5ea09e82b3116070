#include "serve.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "dispatcher.h"
#include "pty_port.h"
#include "scheduler.h"
#include "transcript.h"

namespace {

// Writes everything, waiting while the terminal's queue is full.
bool WriteAll(int fd, const std::string& bytes, const volatile std::sig_atomic_t& stopRequested) {
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

}  // namespace

int Serve(PtyPort& port, Dispatcher& dispatcher, Transcript& transcript,
          const volatile std::sig_atomic_t& stopRequested) {
    Scheduler output;
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
            if (!WriteAll(port.Fd(), due, stopRequested)) break;
        }
    }
    // What the console sent before the stop is still heard: a stop that comes before the
    // last bytes were read must not leave them out of the transcript. Bounded, so that a
    // console that never stops writing cannot keep the simulator from ending.
    for (int pieces = 0; pieces < 64; ++pieces) {
        pollfd in{port.Fd(), POLLIN, 0};
        if (poll(&in, 1, 0) <= 0 || (in.revents & POLLIN) == 0) break;
        const ssize_t n = read(port.Fd(), buffer.data(), buffer.size());
        if (n <= 0) break;
        transcript.Received(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
    return 0;
}
