#pragma once

#include <filesystem>
#include <string>

// The device end of a pseudo-terminal, reachable by the console under a link path.
// The simulator keeps the terminal end open too, so the console can come and go without
// the device end seeing a hang-up.
class PtyPort {
  public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Opens the pty and makes `link` point at its terminal end; an error text on failure.
    std::string Open(const std::filesystem::path& link);
    void RemoveLink();

    int Fd() const { return master_; }
    const std::string& TerminalPath() const { return terminalPath_; }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string terminalPath_;
    std::filesystem::path link_;
};
