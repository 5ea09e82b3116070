#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command_line.h"

// How the simulated ESC-block device answers the communication test and erases, each
// list taken in turn and over again.
struct EscReplies {
    enum class Test {
        Esc,   // 1b 79
        Lone,  // 79 alone, its ESC lost on the way
        None,  // silence
    };
    enum class Erase {
        Ok,    // 1b 30
        Fail,  // 1b 41
        None,  // silence
    };
    std::vector<Test> tests{Test::Esc};
    std::vector<Erase> erases{Erase::Ok};
    bool identity = true;  // model and firmware answered

    static std::vector<std::string> OptionNames();
    static const char* Usage();
    // Reads the options into `replies`; an error text when one does not make sense.
    static std::optional<std::string> Parse(const CommandLine& options, EscReplies& replies);
    static const char* Name(Erase reply);
};
