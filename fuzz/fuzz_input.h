#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "command_slot.h"

// Stops the run with the broken invariant named; libFuzzer keeps the input that did it.
inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// A fuzzer's input taken from the front: small choices first, the rest as a byte stream.
// Past the end every choice reads 0, so any input is a whole case.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    uint8_t Byte() {
        if (bytes_.empty()) return 0;
        const auto byte = static_cast<uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte;
    }
    std::string_view Bytes(std::size_t most) {
        const std::string_view taken = bytes_.substr(0, most);
        bytes_.remove_prefix(taken.size());
        return taken;
    }
    std::string_view Rest() { return Bytes(bytes_.size()); }
    bool Empty() const { return bytes_.empty(); }

    // A command of `least` to `most` bytes; a 0x00 would end it early, so none is drawn.
    void Slot(CommandSlot& slot, std::size_t least, std::size_t most) {
        slot.Clear();
        const std::size_t length = least + Byte() % (most - least + 1);
        for (std::size_t i = 0; i < length; ++i) {
            const uint8_t byte = Byte();
            slot.bytes[i] = byte == 0 ? 0x80 : byte;
        }
    }

  private:
    std::string_view bytes_;
};
