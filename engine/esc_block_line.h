#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "esc_block_codec.h"
#include "serial_link.h"

// Waiting for one ESC-block reply on the line, for the jobs and for the probe alike.
enum class Heard {
    Whole,    // the parse says Done
    Bad,      // the parse says Bad, or the reply stopped in the middle
    Silent,   // nothing came within the time given
    Stopped,  // asked to stop
    Broken,   // the port broke
};

using ReplyParse = std::function<EscBlock::Progress(std::string_view bytes)>;
// Reads from the line as SerialLink::Read does.
using LineRead = std::function<int32_t(unsigned char* buffer, int32_t count)>;

// Reads into `bytes` until `parse` finds a whole reply or a bad one, `stopped` says so,
// the port breaks, or `limit` passes with nothing come (zero: no limit). A reply that
// pauses longer than the protocol allows between its bytes is bad. `read` stands in for
// the link's own read when given.
Heard ListenFor(SerialLink& link, std::string& bytes, const ReplyParse& parse,
                std::chrono::milliseconds limit, const std::function<bool()>& stopped,
                const LineRead& read = {});
