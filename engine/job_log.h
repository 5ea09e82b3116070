#pragma once

#include <string_view>

#include "card_job.h"
#include "command_slot.h"
#include "serial_link.h"

// Appends GBK text to the job log, then has the console show it (WM_LOG_REFRESH),
// waiting until it has.
void AppendLog(CardJob& job, std::string_view gbkText);

// Sends WM_LOG_REFRESH alone.
void RefreshLog(CardJob& job);

// The only way a command reaches the device: the slot's bytes up to its terminator, in
// one write. An empty slot sends nothing.
void SendSlot(SerialLink& link, const CommandSlot& slot);

// Raw bytes (track data) in one write, no terminator, no conversion.
void SendBytes(SerialLink& link, std::string_view bytes);
