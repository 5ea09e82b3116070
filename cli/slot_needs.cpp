#include "slot_needs.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "device_profile.h"

namespace {

bool ReadOf(const JobKind& job, TrackSelection tracks) {
    return job.read && job.tracks == tracks;
}
bool WriteOf(const JobKind& job, std::initializer_list<TrackSelection> tracks) {
    return !job.read && std::find(tracks.begin(), tracks.end(), job.tracks) != tracks.end();
}

struct SlotNeed {
    CommandSlot DeviceProfile::*slot;
    bool refused;
    const char* jobs;         // the jobs that use it, as the profile report names them
    const char* consequence;  // what they do without it
    bool (*neededBy)(const JobKind&);
};

// "write" stands for every writing command: write, run, batch and clone.
const std::array<SlotNeed, 24> kSlotNeeds = {{
    {&DeviceProfile::ReadTack1, false, "read --tracks 1", "sends no read command",
     [](const JobKind& j) { return ReadOf(j, Track1); }},
    {&DeviceProfile::ReadTack2, false, "read --tracks 2", "sends no read command",
     [](const JobKind& j) { return ReadOf(j, Track2); }},
    {&DeviceProfile::ReadTack3, false, "read --tracks 3", "sends no read command",
     [](const JobKind& j) { return ReadOf(j, Track3); }},
    {&DeviceProfile::ReadTack12, false, "read --tracks 12", "sends no read command",
     [](const JobKind& j) { return ReadOf(j, Track12); }},
    {&DeviceProfile::ReadTack23, false, "read --tracks 23", "sends no read command",
     [](const JobKind& j) { return ReadOf(j, Track23); }},
    {&DeviceProfile::ReadTail, true, "every read", "refuses to start: no card's data could end",
     [](const JobKind& j) { return j.read; }},
    {&DeviceProfile::SPaceCharacter12, false, "read and write --tracks 12",
     "cannot tell track 1 from track 2", [](const JobKind& j) { return j.tracks == Track12; }},
    {&DeviceProfile::SpaceCharacter23, false, "read --tracks 23 and write --tracks 3 or 23",
     "cannot tell track 2 from track 3",
     [](const JobKind& j) {
         return ReadOf(j, Track23) || WriteOf(j, {Track3, Track23});
     }},
    {&DeviceProfile::WriteTack1, true, "write --tracks 1 or 12", "refuses to start",
     [](const JobKind& j) {
         return WriteOf(j, {Track1, Track12});
     }},
    {&DeviceProfile::WriteTack2, true, "write --tracks 2 or 23", "refuses to start",
     [](const JobKind& j) {
         return WriteOf(j, {Track2, Track23});
     }},
    {&DeviceProfile::WriteTack3, true, "write --tracks 3", "refuses to start",
     [](const JobKind& j) { return WriteOf(j, {Track3}); }},
    {&DeviceProfile::WriteTail, true, "every write", "refuses to start",
     [](const JobKind& j) { return !j.read; }},
    {&DeviceProfile::WriteTack1Right, false, "write --tracks 1",
     "counts every card as written without waiting for the device",
     [](const JobKind& j) { return WriteOf(j, {Track1}); }},
    {&DeviceProfile::WriteTack2Right, false, "write --tracks 2",
     "counts every card as written without waiting for the device",
     [](const JobKind& j) { return WriteOf(j, {Track2}); }},
    {&DeviceProfile::WriteTack3Right, false, "write --tracks 3",
     "counts every card as written without waiting for the device",
     [](const JobKind& j) { return WriteOf(j, {Track3}); }},
    {&DeviceProfile::WriteTack12Right, false, "write --tracks 12",
     "counts every card as written without waiting for the device",
     [](const JobKind& j) { return WriteOf(j, {Track12}); }},
    {&DeviceProfile::WriteTack23Right, false, "write --tracks 23",
     "counts every card as written without waiting for the device",
     [](const JobKind& j) { return WriteOf(j, {Track23}); }},
    {&DeviceProfile::CmdSetHighWrite, false, "write --coercivity high",
     "does not set high coercivity", [](const JobKind& j) { return !j.read && !j.lowCoercivity; }},
    {&DeviceProfile::CmdSetISO, false, "write --card-format iso", "does not set the card format",
     [](const JobKind& j) { return !j.read && j.isoFormat; }},
    {&DeviceProfile::CmdSetIBM, false, "write --card-format ibm", "does not set the card format",
     [](const JobKind& j) { return !j.read && !j.isoFormat; }},
    {&DeviceProfile::CmdSetTack2Lower, false, "write --density low",
     "does not set the track-2 density", [](const JobKind& j) { return !j.read && j.lowDensity; }},
    {&DeviceProfile::CmdSetTack2High, false, "write --density high",
     "does not set the track-2 density", [](const JobKind& j) { return !j.read && !j.lowDensity; }},
    {&DeviceProfile::CmdCheckStatus, false, "every write", "does not ask the device for its answer",
     [](const JobKind& j) { return !j.read; }},
    {&DeviceProfile::SoftReset, false, "every job", "ends without resetting the device",
     [](const JobKind&) { return true; }},
}};

std::string_view KeyName(CommandSlot DeviceProfile::*slot) {
    for (const CommandKey& key : kCommandKeys) {
        if (key.slot == slot) return key.name;
    }
    return {};
}

SlotGap GapOf(const SlotNeed& need) {
    return {std::string(KeyName(need.slot)), need.refused, need.jobs, need.consequence};
}

}  // namespace

std::vector<SlotGap> GapsForJob(const DeviceProfile& profile, const JobKind& job) {
    std::vector<SlotGap> gaps;
    for (const SlotNeed& need : kSlotNeeds) {
        if (need.neededBy(job) && (profile.*need.slot).Empty()) gaps.push_back(GapOf(need));
    }
    return gaps;
}

std::vector<SlotGap> GapsForAnyJob(const DeviceProfile& profile) {
    std::vector<SlotGap> gaps;
    for (const SlotNeed& need : kSlotNeeds) {
        if ((profile.*need.slot).Empty()) gaps.push_back(GapOf(need));
    }
    return gaps;
}
