#pragma once

#include <array>
#include <optional>
#include <string_view>

// The track or track pair of a card, as records, card lists, the engine and the front
// ends name it; "no track" is an empty std::optional<TrackSet>.
enum class TrackSet { Track1, Track2, Track3, Track12, Track23 };

inline constexpr std::array<TrackSet, 5> kTrackSets{TrackSet::Track1, TrackSet::Track2,
                                                    TrackSet::Track3, TrackSet::Track12,
                                                    TrackSet::Track23};

inline constexpr int kTrackCount = 3;

constexpr bool HasTrack(TrackSet tracks, int track) {
    switch (tracks) {
        case TrackSet::Track1:
            return track == 1;
        case TrackSet::Track2:
            return track == 2;
        case TrackSet::Track3:
            return track == 3;
        case TrackSet::Track12:
            return track == 1 || track == 2;
        case TrackSet::Track23:
            return track == 2 || track == 3;
    }
    return false;
}

// The set of one track (1 to 3).
constexpr TrackSet SingleTrack(int track) {
    return track == 1 ? TrackSet::Track1 : track == 2 ? TrackSet::Track2 : TrackSet::Track3;
}

// "1", "2", "3", "12" or "23": the code records carry in their `tracks` field.
constexpr std::string_view TrackSetCode(TrackSet tracks) {
    switch (tracks) {
        case TrackSet::Track1:
            return "1";
        case TrackSet::Track2:
            return "2";
        case TrackSet::Track3:
            return "3";
        case TrackSet::Track12:
            return "12";
        case TrackSet::Track23:
            return "23";
    }
    return "";
}

// The selection a record's `tracks` code names; nothing for any other text.
constexpr std::optional<TrackSet> TrackSetOfCode(std::string_view code) {
    for (const TrackSet tracks : kTrackSets) {
        if (TrackSetCode(tracks) == code) return tracks;
    }
    return std::nullopt;
}
