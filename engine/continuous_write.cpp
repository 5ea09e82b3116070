#include "continuous_write.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "job_texts.h"
#include "write_steps.h"

namespace {

struct Numbering {
    int64_t start = 0;
    int64_t increment = 0;
};

Numbering NumberingOf(const CardJob& job, int track) {
    switch (track) {
        case 1:
            return {job.Track1Start, job.Track1Increment};
        case 2:
            return {job.Track2Start, job.Track2Increment};
        default:
            return {job.Track3Start, job.Track3Increment};
    }
}

// The longest value any card of the run carries: the number grows (or shrinks) steadily,
// so it is the first card's or the check value.
TrackTexts LongestValues(const WritePlan& plan, const TrackTexts& first, const TrackTexts& check) {
    TrackTexts longest;
    for (const int track : plan.tracks) {
        const std::string& a = TrackText(first, track);
        const std::string& b = TrackText(check, track);
        TrackText(longest, track) = a.size() >= b.size() ? a : b;
    }
    return longest;
}

}  // namespace

JobEnding RunContinuousWrite(CardJob& job, DeviceFamily& device) {
    const TrackTexts texts = ReadTrackTexts(job);
    const auto plan = PlanFor(TrackSetOf(job.Tracks));
    if (!plan || job.Count <= 0) return JobEnding::Normal;
    if (RefuseJob(job)) return JobEnding::WithoutPause;

    if (const auto over = CheckRunLimits(job, *plan, texts)) {
        job.Console->ShowMessageBox(over->deviceBound ? JobTexts::TrackDataTooLong(over->track)
                                                      : JobTexts::ResetRunParameters(over->track));
        return JobEnding::WithoutPause;
    }
    // The numbers are digits every track takes; the texts in front of them may not be.
    if (RefuseOverlongData(job, *plan, NumberedValues(job, *plan, texts, 0)))
        return JobEnding::WithoutPause;

    RunTally tally;
    return WriteRun(
        job, device, *plan, job.Count,
        [&](int64_t written) {
            return RunCard{NumberedValues(job, *plan, texts, written), {}};
        },
        tally);
}

TrackTexts NumberedValues(const CardJob& job, const WritePlan& plan, const TrackTexts& texts,
                          int64_t written) {
    TrackTexts values;
    for (const int track : plan.tracks) {
        const Numbering numbering = NumberingOf(job, track);
        std::string number = std::to_string(numbering.start + numbering.increment * written);
        // Fixed-width numbers: zeros in front, a longer number kept whole.
        if (number.size() < static_cast<std::size_t>(std::max(job.Digits, 0)))
            number.insert(0, static_cast<std::size_t>(job.Digits) - number.size(), '0');
        TrackText(values, track) = TrackText(texts, track) + number;
    }
    return values;
}

std::optional<RunOverLimit> CheckRunLimits(const CardJob& job, const WritePlan& plan,
                                           const TrackTexts& texts) {
    const TrackTexts check = NumberedValues(job, plan, texts, job.Count);
    const TrackLimits limits = TrackLimitsFor(job.Profile, job.LowDensity == 1);
    for (const int track : plan.tracks) {
        const int limit = limits.bytes[track - 1];
        if (limit > 0 && TrackText(check, track).size() > static_cast<std::size_t>(limit)) {
            return RunOverLimit{track, false};
        }
    }
    const TrackTexts longest = LongestValues(plan, NumberedValues(job, plan, texts, 0), check);
    if (const auto track = TrackOverDeviceBound(plan, longest)) return RunOverLimit{*track, true};
    return std::nullopt;
}
