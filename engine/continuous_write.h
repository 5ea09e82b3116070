#pragma once

#include <cstdint>
#include <optional>

#include "card_worker.h"
#include "device_family.h"
#include "write_plan.h"

// A run of cards, each track's text followed by a growing number.
JobEnding RunContinuousWrite(CardJob& job, DeviceFamily& device);

// Each planned track's text followed by its number for the card after `written` good ones.
TrackTexts NumberedValues(const CardJob& job, const WritePlan& plan, const TrackTexts& texts,
                          int64_t written);

// Why a run cannot start with these texts: the first planned track whose value one step
// past the last card is over its track box's limit, or, failing that, whose longest value
// is over what the device takes. Checked before the first card, so a run whose numbers
// would outgrow the limit is refused as a whole.
struct RunOverLimit {
    int track = 0;
    bool deviceBound = false;  // over kMaxTrackBytes rather than the profile's limit
};
std::optional<RunOverLimit> CheckRunLimits(const CardJob& job, const WritePlan& plan,
                                           const TrackTexts& texts);
