#pragma once

#include <array>

#include "console_dialog.h"

// The five track toggles, in the order a job tests them.
inline constexpr std::array<int, 5> kTrackToggles{IDC_TOGGLE_TRACK1, IDC_TOGGLE_TRACK2,
                                                  IDC_TOGGLE_TRACK3, IDC_TOGGLE_TRACK12,
                                                  IDC_TOGGLE_TRACK23};

// The controls of one track: its text box, the count label above it, and its start and
// increment boxes for numbered writing.
struct TrackControls {
    int number;  // 1, 2 or 3
    int textBox;
    int countLabel;
    int start;
    int increment;
};

inline constexpr std::array<TrackControls, 3> kTracks{{
    {1, IDC_TRACK1_TEXT, IDC_TRACK1_COUNT, IDC_TRACK1_START, IDC_TRACK1_INCREMENT},
    {2, IDC_TRACK2_TEXT, IDC_TRACK2_COUNT, IDC_TRACK2_START, IDC_TRACK2_INCREMENT},
    {3, IDC_TRACK3_TEXT, IDC_TRACK3_COUNT, IDC_TRACK3_START, IDC_TRACK3_INCREMENT},
}};

// What a device model works with: the toggles it allows (in kTrackToggles order) and the
// tracks it has (in kTracks order).
struct ModelRule {
    std::array<bool, kTrackToggles.size()> toggles;
    std::array<bool, kTracks.size()> tracks;
};

// The rule of the model at an index of the model box; null outside the five models.
const ModelRule* ModelRuleAt(int index);
