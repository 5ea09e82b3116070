#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link_keys.h"

class IniFile;

// How the device is spoken to: the profile's own [Command] bytes, or the ESC-block frames
// that are built in and only tuned by the settings below.
enum class DeviceFamilyKind { Commands, EscBlock };

// A value of the section that could not be taken: the setting keeps its default then. What
// was wanted is put in words by whoever shows it.
struct ProtocolProblem {
    enum class Wanted { Family, Bpi, Count, BitsPerChar, Milliseconds, Link, UsbId };
    std::string key;
    std::string value;
    Wanted wanted;
    std::string example;  // a USB id: the default, as the profile would write it
};

// The profile's [Protocol] section. A profile without it is a profile of the commands family.
struct ProtocolSettings {
    DeviceFamilyKind family = DeviceFamilyKind::Commands;
    // Recording density of tracks 1 and 3 in bpi (210 or 75); unset leaves the device's own.
    std::optional<int> track1Bpi;
    std::optional<int> track3Bpi;
    // Leading zeros before the data: tracks 1 and 3 share one count. Sent when both are set.
    std::optional<int> leadingZeros13;
    std::optional<int> leadingZeros2;
    // Bits per character of tracks 1, 2 and 3 (5 to 8 each).
    std::optional<std::array<int, 3>> bitsPerChar;
    // How long a read or a write waits for the swipe; 0 waits until Stop.
    int swipeTimeoutMs = 0;
    // Serial port or USB HID, for either family.
    LinkKeys link;

    std::vector<ProtocolProblem> problems;
};

inline constexpr std::string_view kProtocolSection = "Protocol";

// The keys the section knows, in the order the documentation lists them.
std::vector<std::string_view> ProtocolKeys();

ProtocolSettings LoadProtocolSettings(const IniFile& file);

// "commands" or "esc-block", as the profile writes it.
std::string_view FamilyName(DeviceFamilyKind family);
