#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "temp_dir.h"

// A program run as a process of its own, for exit statuses, signals and CPU use; its
// standard output and error go to files. A process still running when the object goes
// is killed. `outFd`, when given, is the standard output instead (a pipe, a terminal).
class ProgramProcess {
  public:
    ProgramProcess(const std::string& program, const std::vector<std::string>& arguments,
                   int outFd = -1);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    pid_t Pid() const { return pid_; }
    void Signal(int signal) const;
    // The exit status (128 + the signal for one that killed it), or -1 when it has not
    // ended within `limit`; it is killed then.
    int Wait(std::chrono::milliseconds limit = std::chrono::seconds(15));
    std::string Out() const;
    std::string Err() const;

  private:
    TempDir dir_;
    pid_t pid_ = -1;
};
