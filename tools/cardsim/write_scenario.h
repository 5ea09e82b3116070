#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command_line.h"

// How the simulated writer answers the status request after each card, card after card.
struct WriteScenario {
    enum class Reply {
        Ok,     // the expected confirmation
        Fail,   // a wrong reply of the same kind
        Split,  // the confirmation in two pieces with a pause between them
        None,   // silence
        // ESC-block statuses beyond ok and fail; the profile's family answers them as fail.
        FormatError,  // '2'
        BadCommand,   // '4'
        SwipeError,   // '9'
        FailA,        // 'A'
    };

    std::vector<Reply> replies{Reply::Ok};  // used in turn, starting again after the last
    int replyMs = 300;                      // from the status request to the reply
    int splitMs = 300;                      // between the two pieces of a split reply

    static std::vector<std::string> OptionNames();
    static const char* Usage();
    // Reads the options into `scenario`; an error text when one does not make sense.
    static std::optional<std::string> Parse(const CommandLine& options, WriteScenario& scenario);
};

const char* ReplyName(WriteScenario::Reply reply);
