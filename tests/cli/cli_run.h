#pragma once

#include <string>
#include <vector>

#include "program_process.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// cardctl run inside the test process, with the short serial time-outs of the engine
// tests. The program's name is added in front of `arguments`.
CliRun RunCardctlHere(const std::vector<std::string>& arguments);

// cardctl as a process of its own, with the serial time-outs a user gets.
class CardctlProcess : public ProgramProcess {
  public:
    explicit CardctlProcess(const std::vector<std::string>& arguments, int outFd = -1)
        : ProgramProcess(CARDCTL_PATH, arguments, outFd) {}
};
