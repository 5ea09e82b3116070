#pragma once

#include <array>
#include <string>

#include "card_job.h"
#include "card_record.h"
#include "device_family.h"
#include "serial_link.h"
#include "write_plan.h"

// Verifying a written card: the device's read of the job's selection, a wait for the card
// to be swiped again, and the tracks read compared with the bytes written.
struct ReadBackResult {
    enum class Outcome { Same, Differs, Stopped, Broken };
    Outcome outcome = Outcome::Stopped;
    // Per planned track (by track number - 1): whether it came back as written.
    std::array<bool, kTrackCount> trackSame{};
    // Per track that read but came back different: the bytes it gave (GBK).
    std::array<std::string, kTrackCount> readBack;
    // The log's lines on it (GBK): which track failed and how, or that all came back.
    std::string logText;
};

// Sent again after every fruitless wait, as the read job does; the wait ends only on a
// whole reply, on Stop or when the port breaks (already logged then).
ReadBackResult ReadBackCard(CardJob& job, DeviceFamily& device, const WritePlan& plan,
                            const TrackTexts& written);
