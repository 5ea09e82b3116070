#pragma once

#include <QString>

// ISO/IEC 7811 track formats, as a hint for the operator: devices in other modes take
// other bytes, and the profile's limits stay the rule.
//
// Track 1 holds 0x20-0x5F (start sentinel '%', end '?'), up to 79 characters; tracks 2
// and 3 hold "0123456789:;<=>?" (start ';', end '?'), up to 40 and 107 characters. The
// capacity counts both sentinels and the check character (LRC) the device adds; a text
// that does not start and end with its sentinels is counted as if they were added.
struct Iso7811Hint {
    QString outside;  // each character outside the track's set once, in order of first use
    int length = 0;   // characters with sentinels and LRC
    int capacity = 0;
    bool OverCapacity() const { return length > capacity; }
};

// Track 1, 2 or 3.
Iso7811Hint Iso7811HintFor(int track, const QString& text);
