#pragma once

#include <string>
#include <vector>

#include "card_job.h"

// A key a job uses that the profile leaves empty.
struct KeyGap {
    std::string key;
    bool refused = false;     // the job cannot start without it
    std::string jobs;         // the jobs that use it: "read --tracks 2", "every write"
    std::string consequence;  // what they do without it: "sends no read command"

    // "KEY is empty, so JOBS CONSEQUENCE"
    std::string Warning() const;
};

// The gaps of the job its record describes, in the profile's key order.
std::vector<KeyGap> GapsForJob(const CardJob& job);

// The gaps of every job some command could run.
std::vector<KeyGap> GapsForAnyJob(const DeviceProfile& profile);
