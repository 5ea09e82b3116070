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

std::optional<std::string> Readable(std::optional<std::string_view> part) {
    if (!part || Failed(*part)) return std::nullopt;
    return std::string(*part);
}

// A lone track, or the first track of a pair: a numbered success line, or the failure
// line closed by the hyphen line. A lone track's success is closed by the hyphen line too;
// a pair's is followed by the second track's entry, which opens with one.
void AppendFirstTrack(ReadEntry& entry, int track, const std::optional<std::string>& part,
                      int successNumber, bool closeSuccess) {
    if (!part) {
        entry.text += JobTexts::ReadFailure(track) + JobTexts::HyphenLine();
        entry.tracks[track - 1].status = TrackStatus::Failed;
        return;
    }
    const std::string_view text = AsText(*part);
    entry.tracks[track - 1].bytes = *part;
    entry.text += JobTexts::ReadSuccess(track, successNumber + entry.successes,
                                        static_cast<int>(text.size()), text);
    if (closeSuccess) entry.text += JobTexts::HyphenLine();
    ++entry.successes;
}

void AppendSecondTrack(ReadEntry& entry, int track, const std::optional<std::string>& part) {
    if (!part) {
        entry.text += JobTexts::ReadFailure(track) + JobTexts::HyphenLine();
        entry.tracks[track - 1].status = TrackStatus::Failed;
        return;
    }
    const std::string_view text = AsText(*part);
    entry.tracks[track - 1].bytes = *part;
    entry.text += JobTexts::ReadSecondTrack(track, static_cast<int>(text.size()), text);
}

// A pair reply holds the first track, the separator's first byte, the second track. A
// reply without that byte (or a profile without a usable separator) gave no second part:
// the whole data is the first track's and the second track is reported failed.
void SplitPair(CardTracks& card, int first, int second, std::string_view data,
               const CommandSlot& separator) {
    const std::size_t split = separator.Empty() ? std::string_view::npos
                                                : data.find(static_cast<char>(separator.First()));
    card[first - 1] = Readable(data.substr(0, split));
    card[second - 1] = Readable(split == std::string_view::npos
                                    ? std::nullopt
                                    : std::optional<std::string_view>(data.substr(split + 1)));
}

}  // namespace

CommandSlot DeviceProfile::*ReadPairSeparator(std::optional<TrackSet> tracks) {
    if (tracks == TrackSet::Track12) return &DeviceProfile::SPaceCharacter12;
    return tracks == TrackSet::Track23 ? &DeviceProfile::SpaceCharacter23 : nullptr;
}

CardTracks SplitReply(std::optional<TrackSet> tracks, std::string_view data,
                      const DeviceProfile& profile) {
    CardTracks card;
    if (!tracks) return card;
    switch (*tracks) {
        case TrackSet::Track1:
            card[0] = Readable(data);
            break;
        case TrackSet::Track2:
            card[1] = Readable(data);
            break;
        // The device puts one byte of its own before the track-3 characters.
        case TrackSet::Track3:
            card[2] = Readable(data.substr(std::min<std::size_t>(1, data.size())));
            break;
        case TrackSet::Track12:
            SplitPair(card, 1, 2, data, profile.*ReadPairSeparator(tracks));
            break;
        case TrackSet::Track23:
            SplitPair(card, 2, 3, data, profile.*ReadPairSeparator(tracks));
            break;
    }
    return card;
}

ReadEntry MakeCardEntry(std::optional<TrackSet> tracks, const CardTracks& card,
                        int successNumber) {
    ReadEntry entry;
    if (!tracks) return entry;
    switch (*tracks) {
        case TrackSet::Track1:
        case TrackSet::Track2:
        case TrackSet::Track3: {
            const int track = *tracks == TrackSet::Track1 ? 1 : *tracks == TrackSet::Track2 ? 2 : 3;
            AppendFirstTrack(entry, track, card[track - 1], successNumber, true);
            break;
        }
        case TrackSet::Track12:
        case TrackSet::Track23: {
            const int first = *tracks == TrackSet::Track12 ? 1 : 2;
            AppendFirstTrack(entry, first, card[first - 1], successNumber, false);
            AppendSecondTrack(entry, first + 1, card[first]);
            break;
        }
    }
    return entry;
}

ReadEntry MakeReadEntry(std::optional<TrackSet> tracks, std::string_view data,
                        const DeviceProfile& profile, int successNumber) {
    return MakeCardEntry(tracks, SplitReply(tracks, data, profile), successNumber);
}
