#pragma once

#include <chrono>
#include <string>

// The far end of a pseudo-terminal, played by a test: the code under test opens
// TerminalPath() as its serial port, the test reads and writes the other side.
class PtyPeer {
  public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& TerminalPath() const { return terminalPath_; }
    void Send(const std::string& bytes);
    // Everything that arrives within `wait`, returning early once `atLeast` bytes came.
    std::string Receive(std::chrono::milliseconds wait, std::size_t atLeast = SIZE_MAX);
    // Closes the device side: the terminal end sees a hang-up, as when a device is pulled.
    void HangUp();

  private:
    int master_ = -1;
    // Held open so the device side never sees a hang-up while the code under test has the
    // port closed, and bytes sent just before it closes are not lost.
    int terminal_ = -1;
    std::string terminalPath_;
};
