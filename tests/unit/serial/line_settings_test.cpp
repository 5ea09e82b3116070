#include "line_settings.h"

#include <gtest/gtest.h>

namespace {

using Parity = LineSettings::Parity;
using StopBits = LineSettings::StopBits;

TEST(ParseLineSettings, ReadsTheFourKeysInAnyOrderAndCase) {
    struct Case {
        const char* text;
        std::optional<int> baud;
        std::optional<Parity> parity;
        std::optional<int> data;
        std::optional<StopBits> stop;
    } cases[] = {
        {"baud=9600 parity=N data=8 stop=1", 9600, Parity::None, 8, StopBits::One},
        {"baud=1200 parity=E data=7 stop=2", 1200, Parity::Even, 7, StopBits::Two},
        {"STOP=1.5 Data=5 PARITY=o BAUD=115200", 115200, Parity::Odd, 5, StopBits::OneAndHalf},
        {"  baud=19200\tparity=M  ", 19200, Parity::Mark, std::nullopt, std::nullopt},
        {"parity=s", std::nullopt, Parity::Space, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto settings = ParseLineSettings(c.text);
        ASSERT_TRUE(settings) << c.text;
        EXPECT_EQ(settings->baudRate, c.baud) << c.text;
        EXPECT_EQ(settings->parity, c.parity) << c.text;
        EXPECT_EQ(settings->dataBits, c.data) << c.text;
        EXPECT_EQ(settings->stopBits, c.stop) << c.text;
    }
}

TEST(ParseLineSettings, RefusesTextItCannotRead) {
    const char* refused[] = {
        "",           "   ",        "baud=",     "baud=abc",   "baud=-9600",
        "parity=X",   "parity=NN",  "data=4",    "data=9",     "stop=3",
        "stop=1.0",   "speed=9600", "baud 9600", "9600,n,8,1", "baud=9600 data=8x",
        "baud=96 00", "=9600"};
    for (const char* text : refused) EXPECT_FALSE(ParseLineSettings(text)) << text;
}

}  // namespace
