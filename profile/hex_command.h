#pragma once

#include <string_view>

#include "command_slot.h"

// Turns profile text such as "0x1b0x61" into the slot's bytes. Text whose length is not
// a multiple of four, or that would decode to more than seven bytes, leaves the slot as
// it is. Only the two digit characters of each four-character group are looked at.
void DecodeHexCommand(std::string_view text, CommandSlot& slot);
