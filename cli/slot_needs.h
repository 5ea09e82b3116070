#pragma once

#include <string>
#include <vector>

#include "card_job.h"

// What a job is, as far as the profile's commands go.
struct JobKind {
    bool read = true;
    TrackSelection tracks = NoTrack;
    bool isoFormat = true;
    bool lowDensity = true;
    bool lowCoercivity = true;
};

// A command or reply a job uses that the profile leaves empty.
struct SlotGap {
    std::string key;
    // The job cannot run without it (the engine refuses it); otherwise it runs with the
    // step left out.
    bool refused = false;
    std::string jobs;         // "read --tracks 2", "every write"
    std::string consequence;  // what they do without it: "sends no read command"

    // "KEY is empty, so JOBS CONSEQUENCE"
    std::string Warning() const { return key + " is empty, so " + jobs + " " + consequence; }
};

// The gaps that matter to this job.
std::vector<SlotGap> GapsForJob(const DeviceProfile& profile, const JobKind& job);

// The gaps for every job some command could run, in key order of the table.
std::vector<SlotGap> GapsForAnyJob(const DeviceProfile& profile);
