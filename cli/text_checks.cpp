#include "text_checks.h"

#include <functional>

#include "card_check.h"
#include "job_tracks.h"
#include "write_plan.h"

namespace {

TrackSet SingleTrack(int track) {
    return track == 1 ? TrackSet::Track1 : track == 2 ? TrackSet::Track2 : TrackSet::Track3;
}

// Which profile key limits a track's text, for the operator's hint.
QString LimitKey(int track, bool lowDensity) {
    if (track == 2 && lowDensity) return QStringLiteral("Tack2Lower at --density low");
    if (track == 1) return QStringLiteral("Tack1Num");
    return track == 2 ? QStringLiteral("Tack2High at --density high") : QStringLiteral("Tack2High");
}

// Checks one track's value; the problem, or nothing when it fits.
std::optional<std::string> CheckTrack(int track, const QString& value, const TrackLimits& limits,
                                      std::string& gbk) {
    TrackValues values;
    values[track - 1] = value;
    CheckedCard card = CheckCardValues(SingleTrack(track), values, limits);
    if (!card.problems.empty()) return card.problems.front();
    gbk = std::move(card.gbk[track - 1]);
    return std::nullopt;
}

int NumberAfterRun(const RunNumbering& numbering, int track) {
    const int start = track == 2 ? numbering.start2 : track == 3 ? numbering.start3 : 0;
    const int step = track == 2 ? numbering.step2 : track == 3 ? numbering.step3 : 1;
    return start + step * numbering.count;
}

// Track 1 is numbered from 0 in steps of 1, as the window numbers it.
std::string NumberOptions(int track) {
    if (track == 1) return "--count";
    const std::string n = std::to_string(track);
    return "--count, --start" + n + " or --step" + n;
}

// Runs `check` on each track the selection writes, until one gives an error.
using TrackCheck = std::function<std::string(int track, const TrackLimits& limits,
                                             const std::string& limitHint, std::string& gbk)>;
CheckedTexts CheckPlannedTracks(const CliOptions& options, const DeviceProfile& profile,
                                const TrackCheck& check) {
    CheckedTexts result;
    const bool lowDensity = options.job.lowDensity;
    const TrackLimits limits = TrackLimitsFor(profile, lowDensity);
    const WritePlan plan = *PlanFor(options.job.tracks);
    for (const int track : plan.tracks) {
        const std::string hint =
            "the limit is " + LimitKey(track, lowDensity).toStdString() + ", at most 119 bytes";
        result.error = check(track, limits, hint, TrackText(result.gbk, track));
        if (!result.error.empty()) return result;
    }
    return result;
}

}  // namespace

CheckedTexts CheckWriteTexts(const CliOptions& options, const DeviceProfile& profile) {
    return CheckPlannedTracks(
        options, profile,
        [&](int track, const TrackLimits& limits, const std::string& limitHint,
            std::string& gbk) -> std::string {
            const std::optional<QString>& text = options.texts[track - 1];
            if (!text || text->isEmpty()) {
                return QStringLiteral(
                           "cardctl: write --tracks %1 needs the text of track %2: "
                           "add --track%2 TEXT")
                    .arg(QLatin1String(TracksCode(options.job.tracks)))
                    .arg(track)
                    .toStdString();
            }
            const auto problem = CheckTrack(track, *text, limits, gbk);
            if (!problem) return {};
            return "cardctl: --track" + std::to_string(track) + ": " + *problem + "; shorten it (" +
                   limitHint + ") and use characters GBK can encode";
        });
}

CheckedTexts CheckRunTexts(const CliOptions& options, const DeviceProfile& profile) {
    return CheckPlannedTracks(
        options, profile,
        [&](int track, const TrackLimits& limits, const std::string& limitHint,
            std::string& gbk) -> std::string {
            const QString text = options.texts[track - 1].value_or(QString());
            const std::string next = std::to_string(NumberAfterRun(options.numbering, track));
            const auto problem =
                CheckTrack(track, text + QString::fromStdString(next), limits, gbk);
            if (problem) {
                return "cardctl: --track" + std::to_string(track) + " with the number " + next +
                       " (one step past the last card): " + *problem +
                       "; shorten the text or lower " + NumberOptions(track) + " (" + limitHint +
                       ")";
            }
            // The run appends the numbers itself; the device gets the text as checked.
            gbk.resize(gbk.size() - next.size());
            return {};
        });
}
