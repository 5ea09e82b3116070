#include "pty_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

PtyPeer::PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pty");
    terminalPath_ = ptsname(master_);
    // Raw before anyone opens the terminal end, so nothing is echoed back.
    terminal_ = open(terminalPath_.c_str(), O_RDWR | O_NOCTTY);
    termios attributes{};
    if (terminal_ >= 0 && tcgetattr(terminal_, &attributes) == 0) {
        cfmakeraw(&attributes);
        tcsetattr(terminal_, TCSANOW, &attributes);
    }
}

PtyPeer::~PtyPeer() {
    HangUp();
    if (terminal_ >= 0) close(terminal_);
}

void PtyPeer::HangUp() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

void PtyPeer::Send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("pty write failed");
        done += static_cast<std::size_t>(n);
    }
}

std::string PtyPeer::Receive(std::chrono::milliseconds wait, std::size_t atLeast) {
    std::string received;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (received.size() < atLeast) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd in{master_, POLLIN, 0};
        if (poll(&in, 1, static_cast<int>(left.count())) <= 0) break;
        char buffer[512];
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    return received;
}
