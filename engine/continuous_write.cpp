#include "continuous_write.h"

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

// Each planned track's text followed by its number for the card after `written` good ones.
TrackTexts NumberedValues(const CardJob& job, const WritePlan& plan, const TrackTexts& texts,
                          int64_t written) {
    TrackTexts values;
    for (const int track : plan.tracks) {
        const Numbering numbering = NumberingOf(job, track);
        TrackText(values, track) = TrackText(texts, track) +
                                   std::to_string(numbering.start + numbering.increment * written);
    }
    return values;
}

// The profile's limit for a track's value; 0 sets none, as for the track boxes.
int32_t LengthLimit(const CardJob& job, int track) {
    if (track == 1) return job.Profile.Tack1Num;
    if (track == 2 && job.LowDensity == 1) return job.Profile.Tack2Lower;
    return job.Profile.Tack2High;
}

// The check is made on the number one step past the last card's, so a run whose next
// number would no longer fit is refused as a whole before the first card.
bool RefuseRunParameters(CardJob& job, const WritePlan& plan, const TrackTexts& checkValues) {
    for (const int track : plan.tracks) {
        const int32_t limit = LengthLimit(job, track);
        if (limit > 0 && TrackText(checkValues, track).size() > static_cast<std::size_t>(limit)) {
            job.Console->ShowMessageBox(JobTexts::ResetRunParameters(track));
            return true;
        }
    }
    return false;
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

JobEnding RunContinuousWrite(CardJob& job, SerialLink& link) {
    const TrackTexts texts = ReadTrackTexts(job);
    const auto plan = PlanFor(job.Tracks);
    if (!plan || job.Count <= 0) return JobEnding::Normal;
    if (RefuseMissingCommands(job, *plan)) return JobEnding::WithoutPause;

    const TrackTexts check = NumberedValues(job, *plan, texts, job.Count);
    if (RefuseRunParameters(job, *plan, check)) return JobEnding::WithoutPause;
    if (RefuseOverlongData(job, *plan,
                           LongestValues(*plan, NumberedValues(job, *plan, texts, 0), check))) {
        return JobEnding::WithoutPause;
    }

    RunTally tally;
    return WriteRun(
        job, link, *plan, job.Count,
        [&](int64_t written) {
            return RunCard{NumberedValues(job, *plan, texts, written), {}};
        },
        tally);
}
