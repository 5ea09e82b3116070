#pragma once

#include <optional>
#include <string_view>

// Serial line settings in the device-control notation "baud=9600 parity=N data=8 stop=1".
// Keys may come in any order and letter case; a key left out keeps the port's value.
struct LineSettings {
    enum class Parity { None, Even, Odd, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    std::optional<int> baudRate;
    std::optional<Parity> parity;
    std::optional<int> dataBits;
    std::optional<StopBits> stopBits;
};

// Nothing for a text with an unknown key, a bad value or no key at all.
std::optional<LineSettings> ParseLineSettings(std::string_view text);
