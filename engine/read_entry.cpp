#include "read_entry.h"

#include <algorithm>
#include <optional>

#include "job_texts.h"

namespace {

constexpr char kFailureMark = 0x7F;

// The printed text of a part: the device's data is C text to the log, which ends it at a
// NUL byte. The card's record keeps every byte that came.
std::string_view AsText(std::string_view part) {
    return part.substr(0, part.find('\0'));
}

bool Failed(std::string_view part) {
    return !part.empty() && part.front() == kFailureMark;
}

// A lone track, or the first track of a pair: a numbered success line, or the failure
// line closed by the hyphen line. A lone track's success is closed by the hyphen line too;
// a pair's is followed by the second track's entry, which opens with one.
void AppendFirstTrack(ReadEntry& entry, int track, std::string_view part, int successNumber,
                      bool closeSuccess) {
    if (Failed(part)) {
        entry.text += JobTexts::ReadFailure(track) + JobTexts::HyphenLine();
        entry.tracks[track - 1].status = TrackStatus::Failed;
        return;
    }
    const std::string_view text = AsText(part);
    entry.tracks[track - 1].bytes = part;
    entry.text += JobTexts::ReadSuccess(track, successNumber + entry.successes,
                                        static_cast<int>(text.size()), text);
    if (closeSuccess) entry.text += JobTexts::HyphenLine();
    ++entry.successes;
}

void AppendSecondTrack(ReadEntry& entry, int track, std::optional<std::string_view> part) {
    if (!part || Failed(*part)) {
        entry.text += JobTexts::ReadFailure(track) + JobTexts::HyphenLine();
        entry.tracks[track - 1].status = TrackStatus::Failed;
        return;
    }
    const std::string_view text = AsText(*part);
    entry.tracks[track - 1].bytes = *part;
    entry.text += JobTexts::ReadSecondTrack(track, static_cast<int>(text.size()), text);
}

ReadEntry SingleTrack(int track, std::string_view part, int successNumber) {
    ReadEntry entry;
    AppendFirstTrack(entry, track, part, successNumber, true);
    return entry;
}

// A pair reply holds the first track, the separator's first byte, the second track. A
// reply without that byte (or a profile without a usable separator) gave no second part:
// the whole data is the first track's and the second track is reported failed.
ReadEntry TrackPair(int first, int second, std::string_view data, const CommandSlot& separator,
                    int successNumber) {
    const std::size_t split = separator.Empty() ? std::string_view::npos
                                                : data.find(static_cast<char>(separator.First()));
    ReadEntry entry;
    AppendFirstTrack(entry, first, data.substr(0, split), successNumber, false);
    AppendSecondTrack(entry, second,
                      split == std::string_view::npos
                          ? std::nullopt
                          : std::optional<std::string_view>(data.substr(split + 1)));
    return entry;
}

}  // namespace

CommandSlot DeviceProfile::*ReadPairSeparator(std::optional<TrackSet> tracks) {
    if (tracks == TrackSet::Track12) return &DeviceProfile::SPaceCharacter12;
    return tracks == TrackSet::Track23 ? &DeviceProfile::SpaceCharacter23 : nullptr;
}

ReadEntry MakeReadEntry(std::optional<TrackSet> tracks, std::string_view data,
                        const DeviceProfile& profile, int successNumber) {
    if (!tracks) return {};
    switch (*tracks) {
        case TrackSet::Track1:
            return SingleTrack(1, data, successNumber);
        case TrackSet::Track2:
            return SingleTrack(2, data, successNumber);
        // The device puts one byte of its own before the track-3 characters.
        case TrackSet::Track3:
            return SingleTrack(3, data.substr(std::min<std::size_t>(1, data.size())),
                               successNumber);
        case TrackSet::Track12:
            return TrackPair(1, 2, data, profile.*ReadPairSeparator(tracks), successNumber);
        case TrackSet::Track23:
            return TrackPair(2, 3, data, profile.*ReadPairSeparator(tracks), successNumber);
    }
    return {};
}
