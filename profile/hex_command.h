#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "command_slot.h"

// What was wrong with a command's text, for a profile author; nothing for a clean text.
struct HexReading {
    enum class Refusal { None, BadLength, TooManyBytes };
    Refusal refusal = Refusal::None;  // the slot was left as it was
    std::size_t groups = 0;           // four-character groups in the text
    // The characters in digit places that are no lower-case hex digit and read as f, each
    // once, in the order they first come.
    std::string readAsF;
    // A 0x00 group ends the command before the text's last group.
    bool cutAtZero = false;
};

// Turns profile text such as "0x1b0x61" into the slot's bytes. Text whose length is not
// a multiple of four, or that would decode to more than seven bytes, leaves the slot as
// it is. Only the two digit characters of each four-character group are looked at.
HexReading DecodeHexCommand(std::string_view text, CommandSlot& slot);
