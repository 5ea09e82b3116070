#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "command_slot.h"
#include "device_side.h"

// One command of the ESC-block protocol as the device finds it at the front of what it
// has received. Written independently of the console's codec on purpose: both are tested
// against each other.
struct EscCommand {
    enum class Kind {
        CommunicationTest,
        Model,
        Firmware,
        Read,
        Write,
        Erase,  // parameters: the track mask
        HighCoercivity,
        LowCoercivity,
        WhichCoercivity,
        Density,       // parameters: the density code
        BitsPerChar,   // parameters: b1 b2 b3
        LeadingZeros,  // parameters: z13 z2
        ReadLeadingZeros,
        BadWriteBlock,  // a write whose block breaks off or is framed wrong
        Unknown,        // ESC and a byte that names no command; parameters: that byte
    };
    Kind kind = Kind::Unknown;
    std::string parameters;
    std::array<std::string, 3> tracks;  // Write: each track's data, empty for "leave as is"
};

struct EscParse {
    DeviceSide::Claim claim = DeviceSide::Claim::NotMine;
    std::size_t taken = 0;
    EscCommand command;
};

constexpr char kEsc = '\x1b';
// Reset is not among the commands: the dispatcher takes it before anything else.
constexpr std::string_view kEscReset = "\x1b\x61";
CommandSlot EscResetSlot();

// Longest track data waited for before a write block is given up as broken.
constexpr std::size_t kMaxEscTrackBytes = 1024;

// The command at the front of `pending`: Taken with its length, NeedMore while it may
// still be coming, NotMine when `pending` does not start with ESC. A write block is parsed
// by its markers; one framed wrong is taken up to the fault (never past an ESC that may
// start the next command) as BadWriteBlock.
EscParse ParseEscCommand(std::string_view pending);
