#include "text_checks.h"

#include "card_check.h"
#include "card_texts.h"
#include "cardctl_text.h"
#include "continuous_write.h"

namespace {

std::string LimitHint(const TrackLimits& limits, int track) {
    return Filled(CardctlText::tr("the limit is %1, at most %2 bytes"),
                  {limits.keys[track - 1], std::to_string(kMaxTrackBytes)});
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
            result.error = CardctlLine(
                CardctlText::tr("write --tracks %1 needs the text of track %2: add %3 TEXT"),
                {TrackSetCode(*options.job.tracks), std::to_string(track), OptionOf(track)});
            return result;
        }
        CheckedCard card = CheckCardValues(SingleTrack(track), values, limits);
        if (!card.problems.empty()) {
            result.error = CardctlLine(
                CardctlText::tr("%1: %2; shorten it (%3) and use characters GBK can encode"),
                {OptionOf(track), card.problems.front(), LimitHint(limits, track)});
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
            result.error = CardctlLine(CardctlText::tr("%1: %2; use characters GBK can encode"),
                                       {OptionOf(track), encoded.problem});
            return result;
        }
        TrackText(result.gbk, track) = std::move(encoded.gbk);
    }
    const auto over = CheckRunLimits(job, plan, result.gbk);
    if (!over) return result;
    const int track = over->track;
    const TrackLimits limits = TrackLimitsFor(job.Profile, job.LowDensity == 1);
    const std::string value = TrackText(NumberedValues(job, plan, result.gbk, job.Count), track);
    const QString message = job.Digits > 0
                                ? CardctlText::tr(
                                      "%1 with the number %2 (one step past the last card): "
                                      "%3; shorten the text or lower --count, --start%4, "
                                      "--step%4 or --digits (%5)")
                                : CardctlText::tr(
                                      "%1 with the number %2 (one step past the last card): "
                                      "%3; shorten the text or lower --count, --start%4 or "
                                      "--step%4 (%5)");
    result.error =
        CardctlLine(message, {OptionOf(track), value.substr(TrackText(result.gbk, track).size()),
                              CardTexts::OverLimit(track, value.size(), ByteLimit(limits, track)),
                              std::to_string(track), LimitHint(limits, track)});
    return result;
}
