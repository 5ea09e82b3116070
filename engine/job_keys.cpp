#include "job_keys.h"

#include <algorithm>

#include "read_entry.h"
#include "write_plan.h"

namespace {

std::vector<JobKey> ReadKeys(const CardJob& job) {
    const std::optional<TrackSet> tracks = TrackSetOf(job.Tracks);
    std::vector<JobKey> keys;
    if (const auto command = ReadCommandKey(tracks)) keys.push_back({command, KeyRole::ReadCommand});
    keys.push_back({&DeviceProfile::ReadTail, KeyRole::ReadTail});
    if (const auto separator = ReadPairSeparator(tracks)) {
        keys.push_back({separator, tracks == TrackSet::Track12 ? KeyRole::Track12Separator
                                                               : KeyRole::Track23Separator});
    }
    return keys;
}

std::vector<JobKey> WriteKeys(const CardJob& job) {
    const auto plan = PlanFor(TrackSetOf(job.Tracks));
    if (!plan) return {};
    std::vector<JobKey> keys = WriteSetUpKeys(job);
    keys.push_back({plan->command, KeyRole::TrackCommand});
    for (std::size_t i = 0; i < plan->tracks.size(); ++i) {
        if (const auto separator = SeparatorBefore(*plan, i)) {
            keys.push_back({separator, separator == &DeviceProfile::SPaceCharacter12
                                           ? KeyRole::Track12Separator
                                           : KeyRole::Track23Separator});
        }
    }
    keys.push_back({&DeviceProfile::WriteTail, KeyRole::WriteTail});
    keys.push_back({&DeviceProfile::CmdCheckStatus, KeyRole::StatusQuery});
    keys.push_back({plan->expectedReply, KeyRole::ExpectedReply});
    return keys;
}

}  // namespace

bool IsRequired(KeyRole role) {
    return role == KeyRole::ReadTail || role == KeyRole::TrackCommand || role == KeyRole::WriteTail;
}

std::vector<JobKey> KeysOfJob(const CardJob& job) {
    // The profile holds no erase command: an erase sends nothing of it but the reset.
    std::vector<JobKey> keys = job.Mode == 1   ? ReadKeys(job)
                               : job.Erase == 0 ? WriteKeys(job)
                                                : std::vector<JobKey>{};
    if (job.Mode != 1 && job.Verify != 0 && !keys.empty()) {
        // Verify reads each written card back as a read job would.
        const std::vector<JobKey> read = ReadKeys(job);
        keys.insert(keys.end(), read.begin(), read.end());
    }
    keys.push_back({&DeviceProfile::SoftReset, KeyRole::Reset});
    return keys;
}

std::vector<std::string_view> MissingKeys(const CardJob& job) {
    const std::vector<JobKey> used = KeysOfJob(job);
    std::vector<std::string_view> missing;
    for (const CommandKey& key : kCommandKeys) {
        const bool required = std::any_of(used.begin(), used.end(), [&](const JobKey& use) {
            return use.slot == key.slot && IsRequired(use.role);
        });
        if (required && (job.Profile.*key.slot).Empty()) missing.push_back(key.name);
    }
    return missing;
}

std::vector<JobKey> WriteSetUpKeys(const CardJob& job) {
    std::vector<JobKey> keys;
    if (job.LowCoercivity == 0)
        keys.push_back({&DeviceProfile::CmdSetHighWrite, KeyRole::CoercivitySetUp});
    keys.push_back({job.IsoFormat == 1 ? &DeviceProfile::CmdSetISO : &DeviceProfile::CmdSetIBM,
                    KeyRole::FormatSetUp});
    keys.push_back(
        {job.LowDensity == 1 ? &DeviceProfile::CmdSetTack2Lower : &DeviceProfile::CmdSetTack2High,
         KeyRole::DensitySetUp});
    return keys;
}

CommandSlot DeviceProfile::*ReadCommandKey(std::optional<TrackSet> tracks) {
    if (!tracks) return nullptr;
    switch (*tracks) {
        case TrackSet::Track1:
            return &DeviceProfile::ReadTack1;
        case TrackSet::Track2:
            return &DeviceProfile::ReadTack2;
        case TrackSet::Track3:
            return &DeviceProfile::ReadTack3;
        case TrackSet::Track12:
            return &DeviceProfile::ReadTack12;
        case TrackSet::Track23:
            return &DeviceProfile::ReadTack23;
    }
    return nullptr;
}
