#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device_profile.h"
#include "track_set.h"

// The most bytes a device takes for one track, whatever the profile says.
inline constexpr std::size_t kMaxTrackBytes = 119;

// The byte limit of each track's value (by track number - 1); 0 or less means none.
struct TrackLimits {
    std::array<int, kTrackCount> bytes{};
    // The profile key each limit comes from, for the operator's hint.
    std::array<std::string_view, kTrackCount> keys{};
};

// The most bytes a track's value may have: its limit, and never over kMaxTrackBytes.
std::size_t ByteLimit(const TrackLimits& limits, int track);

// The limits the window puts on its track boxes: track 1 Tack1Num, track 2 Tack2Lower
// at low density and Tack2High otherwise, track 3 Tack2High.
TrackLimits TrackLimitsFor(const DeviceProfile& profile, bool lowDensity);

// A card's texts by track number - 1; a track without a value has none.
using TrackValues = std::array<std::optional<QString>, kTrackCount>;

struct CheckedCard {
    // The selection's values in GBK with every line break as CR LF, as the device receives
    // them; empty for the other tracks.
    std::array<std::string, kTrackCount> gbk;
    // One reason per track that cannot be written; the card is usable when there is none.
    std::vector<std::string> problems;
};

// A track's value as the device receives it: GBK, every line break as CR LF; or why it
// cannot be.
struct EncodedValue {
    std::string gbk;
    std::string problem;
};
EncodedValue EncodeTrackValue(int track, const QString& value);

// Whether a card can be written with the selection: every track of it has a non-empty
// value that GBK can encode and that is within the track's limit and within 119 bytes.
CheckedCard CheckCardValues(TrackSet tracks, const TrackValues& values, const TrackLimits& limits);
