#include "text_checks.h"

#include "card_check.h"
#include "card_texts.h"
#include "continuous_write.h"

namespace {

std::string LimitHint(const TrackLimits& limits, int track) {
    return "the limit is " + std::string(limits.keys[track - 1]) + ", at most " +
           std::to_string(kMaxTrackBytes) + " bytes";
}

std::string OptionOf(int track) {
    return "--track" + std::to_string(track);
}

}  // namespace

CheckedTexts CheckWriteTexts(const CliOptions& options, const DeviceProfile& profile) {
    CheckedTexts result;
    const TrackLimits limits = TrackLimitsFor(profile, options.job.lowDensity);
    const WritePlan plan = *PlanFor(options.job.tracks);
    for (const int track : plan.tracks) {
        TrackValues values;
        values[track - 1] = options.texts[track - 1];
        if (!values[track - 1] || values[track - 1]->isEmpty()) {
            result.error = "cardctl: write --tracks " +
                           std::string(TrackSetCode(*options.job.tracks)) +
                           " needs the text of track " + std::to_string(track) + ": add " +
                           OptionOf(track) + " TEXT";
            return result;
        }
        CheckedCard card = CheckCardValues(SingleTrack(track), values, limits);
        if (!card.problems.empty()) {
            result.error = "cardctl: " + OptionOf(track) + ": " + card.problems.front() +
                           "; shorten it (" + LimitHint(limits, track) +
                           ") and use characters GBK can encode";
            return result;
        }
        TrackText(result.gbk, track) = std::move(card.gbk[track - 1]);
    }
    return result;
}

CheckedTexts CheckRunTexts(const CliOptions& options, const CardJob& job) {
    CheckedTexts result;
    const WritePlan plan = *PlanFor(TrackSetOf(job.Tracks));
    for (const int track : plan.tracks) {
        EncodedValue encoded =
            EncodeTrackValue(track, options.texts[track - 1].value_or(QString()));
        if (!encoded.problem.empty()) {
            result.error = "cardctl: " + OptionOf(track) + ": " + encoded.problem +
                           "; use characters GBK can encode";
            return result;
        }
        TrackText(result.gbk, track) = std::move(encoded.gbk);
    }
    const auto over = CheckRunLimits(job, plan, result.gbk);
    if (!over) return result;
    const int track = over->track;
    const TrackLimits limits = TrackLimitsFor(job.Profile, job.LowDensity == 1);
    const std::string value = TrackText(NumberedValues(job, plan, result.gbk, job.Count), track);
    const std::string n = std::to_string(track);
    result.error = "cardctl: " + OptionOf(track) + " with the number " +
                   value.substr(TrackText(result.gbk, track).size()) +
                   " (one step past the last card): " +
                   CardTexts::OverLimit(track, value.size(), ByteLimit(limits, track)) +
                   "; shorten the text or lower --count, --start" + n +
                   (job.Digits > 0 ? ", --step" + n + " or --digits" : " or --step" + n) +
                   " (" + LimitHint(limits, track) + ")";
    return result;
}
