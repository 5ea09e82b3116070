#include "text_checks.h"

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

}  // namespace

CheckedTexts CheckWriteTexts(const CliOptions& options, const DeviceProfile& profile) {
    CheckedTexts result;
    const bool lowDensity = options.job.lowDensity;
    const TrackLimits limits = TrackLimitsFor(profile, lowDensity);
    const WritePlan plan = *PlanFor(options.job.tracks);
    for (const int track : plan.tracks) {
        const std::optional<QString>& text = options.texts[track - 1];
        if (!text || text->isEmpty()) {
            result.error = QStringLiteral(
                               "cardctl: write --tracks %1 needs the text of track %2: "
                               "add --track%2 TEXT")
                               .arg(QLatin1String(TracksCode(options.job.tracks)))
                               .arg(track)
                               .toStdString();
            return result;
        }
        const auto problem = CheckTrack(track, *text, limits, TrackText(result.gbk, track));
        if (problem) {
            result.error = "cardctl: --track" + std::to_string(track) + ": " + *problem +
                           "; shorten it (the limit is " +
                           LimitKey(track, lowDensity).toStdString() +
                           ", at most 119 bytes) and use characters GBK can encode";
            return result;
        }
    }
    return result;
}

CheckedTexts CheckRunTexts(const CliOptions& options, const DeviceProfile& profile) {
    CheckedTexts result;
    const bool lowDensity = options.job.lowDensity;
    const TrackLimits limits = TrackLimitsFor(profile, lowDensity);
    const WritePlan plan = *PlanFor(options.job.tracks);
    for (const int track : plan.tracks) {
        const QString text = options.texts[track - 1].value_or(QString());
        const int next = NumberAfterRun(options.numbering, track);
        std::string checked;
        const auto problem = CheckTrack(track, text + QString::number(next), limits, checked);
        if (problem) {
            result.error = "cardctl: --track" + std::to_string(track) + " with the number " +
                           std::to_string(next) + " (one step past the last card): " + *problem +
                           "; shorten the text or lower " + NumberOptions(track) +
                           " (the limit is " + LimitKey(track, lowDensity).toStdString() +
                           ", at most 119 bytes)";
            return result;
        }
        // The run appends the numbers itself; the device gets the text as checked.
        TrackText(result.gbk, track) =
            checked.substr(0, checked.size() - std::to_string(next).size());
    }
    return result;
}
