#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A device command or reply: up to 7 bytes and a terminating zero, so a 0x00 in the
// decoded bytes ends the command there and is never sent or compared.
struct CommandSlot {
    static constexpr std::size_t kCapacity = 8;
    static constexpr std::size_t kMaxLength = kCapacity - 1;

    std::array<unsigned char, kCapacity> bytes{};

    std::size_t Length() const {
        std::size_t n = 0;
        while (n < kCapacity && bytes[n] != 0) ++n;
        return n;
    }
    bool Empty() const { return bytes[0] == 0; }
    std::string_view View() const {
        return {reinterpret_cast<const char*>(bytes.data()), Length()};
    }
    unsigned char First() const { return bytes[0]; }
    void Clear() { bytes.fill(0); }
};
