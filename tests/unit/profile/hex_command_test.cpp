#include "hex_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each text as the device tools wrote it, read into a slot that held 11 22 before: the
// bytes the slot holds after, and what the reading says was wrong with the text.
TEST(DecodeHexCommand, GivesTheBytesTheDeviceToolsWroteOrLeavesTheSlot) {
    using Refusal = HexReading::Refusal;
    const std::string kUntouched = "\x11\x22";
    const struct {
        std::string text;
        std::string bytes;  // as sent, up to the first zero
        Refusal refusal;
        const char* readAsF;
        bool cutAtZero;
    } cases[] = {
        {"0x1b0x61", "\x1b\x61", Refusal::None, "", false},
        // Upper-case digits are not in the digit table and read as 15.
        {"0x1B", "\x1f", Refusal::None, "B", false},
        {"0xAB", "\xff", Refusal::None, "AB", false},
        {"0xff", "\xff", Refusal::None, "", false},
        {"0x1B0xgA", "\x1f\xff", Refusal::None, "BgA", false},
        // The group prefix is never examined.
        {"xx41", "\x41", Refusal::None, "", false},
        // A zero byte ends the command: only 1B is ever sent.
        {"0x1b0x000x41", "\x1b", Refusal::None, "", true},
        {"0x00", "", Refusal::None, "", true},
        {"", "", Refusal::None, "", false},
        // Seven bytes is the most a slot holds.
        {"0x010x020x030x040x050x060x07", "\x01\x02\x03\x04\x05\x06\x07", Refusal::None, "",
         false},
        {"0x1b0x6", kUntouched, Refusal::BadLength, "", false},
        {"0x1", kUntouched, Refusal::BadLength, "", false},
        {"0x010x020x030x040x050x060x070x08", kUntouched, Refusal::TooManyBytes, "", false},
        // the longest whole-group value the reader gives
        {std::string(296, '1'), kUntouched, Refusal::TooManyBytes, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CommandSlot slot;
        slot.bytes = {0x11, 0x22, 0, 0, 0, 0, 0, 0};
        const HexReading reading = DecodeHexCommand(c.text, slot);
        EXPECT_EQ(std::string(slot.View()), c.bytes);
        EXPECT_EQ(reading.refusal, c.refusal);
        EXPECT_EQ(reading.readAsF, c.readAsF);
        EXPECT_EQ(reading.cutAtZero, c.cutAtZero);
    }
}

TEST(DecodeHexCommand, NeverWritesPastTheSlot) {
    struct Guarded {
        CommandSlot slot;
        unsigned char guard[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    } guarded;
    for (std::size_t length = 0; length <= 400; ++length) {
        DecodeHexCommand(std::string(length, '7'), guarded.slot);
    }
    for (unsigned char byte : guarded.guard) EXPECT_EQ(byte, 0xAA);
}

}  // namespace
