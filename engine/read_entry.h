#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "card_job.h"
#include "card_record.h"
#include "device_family.h"
#include "device_profile.h"

// What one completed read reply puts into the job log.
struct ReadEntry {
    std::string text;   // GBK; empty for a selection that has no entry of its own
    int successes = 0;  // how far the job's success number moves
    // Each logged track as the entry shows it: the printed text, or no bytes and Failed.
    std::array<TrackResult, kTrackCount> tracks;
};

// The separator a pair's reply parts its tracks by; nullptr for a single track.
CommandSlot DeviceProfile::*ReadPairSeparator(std::optional<TrackSet> tracks);

// A card's tracks as one reply of the profile's own family holds them for the selection:
// the bytes between the head and the tail's first byte, parted by the pair's separator. A
// track part that starts with 0x7F is the device's report of a failed read.
CardTracks SplitReply(std::optional<TrackSet> tracks, std::string_view data,
                      const DeviceProfile& profile);

// The log entry for the selection's tracks of a card, whatever family read it. Success
// lines are numbered from `successNumber`; printed data ends at its first NUL byte.
ReadEntry MakeCardEntry(std::optional<TrackSet> tracks, const CardTracks& card, int successNumber);

// The log entry for a reply's data: the bytes between the head and the tail's first byte.
// Success lines are numbered from `successNumber`. A track part that starts with 0x7F is
// the device's report of a failed read; printed data ends at its first NUL byte.
ReadEntry MakeReadEntry(std::optional<TrackSet> tracks, std::string_view data,
                        const DeviceProfile& profile, int successNumber);
