#pragma once

#include <optional>
#include <string>

#include "serial_link.h"

// What answers on a port, asked the ESC-block way: the communication test, then the model
// and the firmware where the device tells them. A device of the commands family answers
// only its own profile's bytes, so silence here says nothing against it.
struct ProbeResult {
    bool answered = false;  // `ESC 79` or a lone `79` came back
    bool lostEsc = false;   // the bridge lost the reply's ESC
    // The bytes that came instead of an answer, if any.
    std::string other;
    std::optional<std::string> model;
    std::optional<std::string> firmware;
};

// On an open link; each question is given a second to be answered.
ProbeResult ProbeEscBlock(SerialLink& link);
