#include "write_plan.h"

#include "job_texts.h"

std::optional<WritePlan> PlanFor(std::optional<TrackSet> tracks) {
    if (!tracks) return std::nullopt;
    switch (*tracks) {
        case TrackSet::Track1:
            return WritePlan{{1}, &DeviceProfile::WriteTack1, &DeviceProfile::WriteTack1Right, "1"};
        case TrackSet::Track2:
            return WritePlan{{2}, &DeviceProfile::WriteTack2, &DeviceProfile::WriteTack2Right, "2"};
        case TrackSet::Track3:
            return WritePlan{{3}, &DeviceProfile::WriteTack3, &DeviceProfile::WriteTack3Right, "3"};
        // A pair starts with the command of its first track; the profile's pair commands
        // (WriteTack12, WriteTack23) are never sent.
        case TrackSet::Track12:
            return WritePlan{
                {1, 2}, &DeviceProfile::WriteTack1, &DeviceProfile::WriteTack12Right, JobTexts::TrackPair(1, 2)};
        case TrackSet::Track23:
            return WritePlan{
                {2, 3}, &DeviceProfile::WriteTack2, &DeviceProfile::WriteTack23Right, JobTexts::TrackPair(2, 3)};
    }
    return std::nullopt;
}

CommandSlot DeviceProfile::*SeparatorBefore(const WritePlan& plan, std::size_t i) {
    if (plan.tracks[i] == 3) return &DeviceProfile::SpaceCharacter23;
    return i > 0 ? &DeviceProfile::SPaceCharacter12 : nullptr;
}

std::optional<int> TrackOverDeviceBound(const WritePlan& plan, const TrackTexts& data) {
    for (const int track : plan.tracks) {
        if (TrackText(data, track).size() > kMaxTrackBytes) return track;
    }
    return std::nullopt;
}

const std::string& TrackText(const TrackTexts& texts, int track) {
    return track == 1 ? texts.track1 : track == 2 ? texts.track2 : texts.track3;
}

std::string& TrackText(TrackTexts& texts, int track) {
    return track == 1 ? texts.track1 : track == 2 ? texts.track2 : texts.track3;
}
