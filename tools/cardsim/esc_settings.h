#pragma once

#include <array>
#include <optional>
#include <string>

#include "esc_frames.h"

// What an ESC-block device keeps between commands (coercivity, each track's density, bits
// per character, leading zeros), set and asked by the settings commands. It starts as an
// ISO card wants it: high coercivity, 210/75/210 bpi, 7/5/5 bits.
class EscSettings {
  public:
    // The answer to a settings command; nothing when the command is not one. A parameter
    // the device does not know (a density code, bits outside 5-8) changes nothing and is
    // answered ESC '4', invalid command.
    std::optional<std::string> Apply(const EscCommand& command);
    // "high coercivity, 210/75/210 bpi, 7/5/5 bits", for the report of a write.
    std::string Describe() const;

  private:
    std::string SetDensity(unsigned char code);
    std::string SetBitsPerChar(const std::string& bits);

    bool high_ = true;
    std::array<int, 3> bpi_{210, 75, 210};
    std::array<unsigned char, 3> bits_{7, 5, 5};
    // The simulator's own starting counts; the console sets them before it relies on them.
    unsigned char zeros13_ = 20;
    unsigned char zeros2_ = 20;
};
