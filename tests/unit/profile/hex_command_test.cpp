#include "hex_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DecodeCase {
    const char* text;
    std::string expected;  // the command bytes as sent (up to the first zero)
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DecodeHexCommandTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeHexCommandTest, GivesTheBytesTheDeviceToolsWrote) {
    CommandSlot slot;
    DecodeHexCommand(GetParam().text, slot);
    EXPECT_EQ(std::string(slot.View()), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeHexCommandTest,
    ::testing::Values(DecodeCase{"0x1b0x61", "\x1b\x61"},
                      // Upper-case digits are not in the digit table and read as 15.
                      DecodeCase{"0x1B", "\x1f"}, DecodeCase{"0xAB", "\xff"},
                      DecodeCase{"0xff", "\xff"}, DecodeCase{"0xg0", "\xf0"},
                      // The group prefix is never examined.
                      DecodeCase{"xx41", "\x41"}, DecodeCase{"0x41", "\x41"},
                      // A zero byte ends the command: only 1B is ever sent.
                      DecodeCase{"0x1b0x000x41", "\x1b"}, DecodeCase{"0x00", ""},
                      // Seven bytes is the most a slot holds.
                      DecodeCase{"0x010x020x030x040x050x060x07", "\x01\x02\x03\x04\x05\x06\x07"},
                      DecodeCase{"", ""}));

TEST(DecodeHexCommand, LeavesTheSlotAsItIsForTextItCannotTake) {
    const std::string refused[] = {
        "0x1b0x6",                           // 7 characters: not whole groups
        "0x1",                               //
        "0x010x020x030x040x050x060x070x08",  // 32 characters: more than a slot holds
        std::string(296, '1'),               // the longest whole-group value the reader gives
    };
    for (const auto& text : refused) {
        CommandSlot slot;
        slot.bytes = {0x11, 0x22, 0, 0, 0, 0, 0, 0};
        DecodeHexCommand(text, slot);
        EXPECT_EQ(std::string(slot.View()), "\x11\x22") << text;
    }
}

TEST(DecodeHexCommand, SaysWhatWasWrong) {
    using Refusal = HexReading::Refusal;
    const struct {
        const char* text;
        Refusal refusal;
        const char* readAsF;
        bool cutAtZero;
    } cases[] = {{"0x1b0x61", Refusal::None, "", false},
                 {"0x1b0x6", Refusal::BadLength, "", false},
                 {"0x010x020x030x040x050x060x070x08", Refusal::TooManyBytes, "", false},
                 {"0x1B0xgA", Refusal::None, "BgA", false},
                 {"0x1b0x000x41", Refusal::None, "", true}};
    for (const auto& c : cases) {
        CommandSlot slot;
        const HexReading reading = DecodeHexCommand(c.text, slot);
        EXPECT_EQ(reading.refusal, c.refusal) << c.text;
        EXPECT_EQ(reading.readAsF, c.readAsF) << c.text;
        EXPECT_EQ(reading.cutAtZero, c.cutAtZero) << c.text;
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
