#pragma once

#include <optional>
#include <string>
#include <vector>

#include "card_check.h"
#include "card_job.h"

// What a track selection writes: its tracks in the order their data is sent, the track
// command that starts the sequence and the reply that confirms it.
struct WritePlan {
    std::vector<int> tracks;
    CommandSlot DeviceProfile::*command = nullptr;
    CommandSlot DeviceProfile::*expectedReply = nullptr;
    // The tracks as the operator's texts name them together: "2，3" (UTF-8).
    std::string label;
};

// Nothing for a selection that names no track.
std::optional<WritePlan> PlanFor(std::optional<TrackSet> tracks);

// The separator sent before the plan's i-th track's data, if any: track-3 data always
// follows its separator, even alone; track 2 needs one only after track 1.
CommandSlot DeviceProfile::*SeparatorBefore(const WritePlan& plan, std::size_t i);

// The first planned track whose data is over the device's kMaxTrackBytes.
std::optional<int> TrackOverDeviceBound(const WritePlan& plan, const TrackTexts& data);

// One track's text or value out of the three.
const std::string& TrackText(const TrackTexts& texts, int track);
std::string& TrackText(TrackTexts& texts, int track);
