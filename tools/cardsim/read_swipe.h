#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "swipe_cards.h"
#include "device_profile.h"

// The track or track pair a read command asks for.
enum class ReadKind { Track1, Track2, Track3, Track12, Track23 };

// How one swipe goes on the line.
enum class SwipeScenario {
    Good,       // head, data, tail in one piece
    Garbage,    // line noise, a pause, then the reply
    Split,      // the reply in three pieces with pauses between
    Overlong,   // more data than any reply may hold
    ShortTail,  // the tail's last byte missing
    WrongTail,  // the tail's last byte wrong
    Silent,     // no reply at all
};

std::optional<SwipeScenario> ScenarioNamed(std::string_view name);
const char* ScenarioName(SwipeScenario scenario);
const char* ReadKindName(ReadKind kind);

// The reply's data for a card, laid out as the command's track selection expects: a pair
// holds the first track, the first byte of the pair's separator, the second track; track 3
// alone comes after one byte of the device's own; a track that fails reads as 0x7F.
std::string SwipeData(ReadKind kind, const Card& card, const DeviceProfile& profile);

// The pieces the device sends for one swipe, each after a pause; empty when silent.
std::vector<std::string> SwipePieces(SwipeScenario scenario, const std::string& data,
                                     const DeviceProfile& profile);
