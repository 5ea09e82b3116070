#pragma once

#include <string_view>

#include "command_slot.h"
#include "device_link.h"

// The only way a command reaches the device: the slot's bytes up to its terminator, in
// one write. An empty slot sends nothing.
void SendSlot(DeviceLink& link, const CommandSlot& slot);

// Raw bytes (track data) in one write, no terminator, no conversion.
void SendBytes(DeviceLink& link, std::string_view bytes);
