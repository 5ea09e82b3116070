#include "job_records.h"

std::optional<TrackSet> TrackSetOf(TrackSelection tracks) {
    switch (tracks) {
        case Track1:
            return TrackSet::Track1;
        case Track2:
            return TrackSet::Track2;
        case Track3:
            return TrackSet::Track3;
        case Track12:
            return TrackSet::Track12;
        case Track23:
            return TrackSet::Track23;
        case NoTrack:
            break;
    }
    return std::nullopt;
}

void AddCardRecord(CardJob& job, CardKind kind,
                   const std::array<TrackResult, kTrackCount>& results) {
    const std::optional<TrackSet> tracks = TrackSetOf(job.Tracks);
    if (!tracks) return;
    // Records are appended in order, so the job's last one holds its count.
    const bool jobHasCards = !job.Records.empty() && job.Records.back().job == job.JobNumber;
    const int card = jobHasCards ? job.Records.back().card + 1 : 1;
    job.Records.push_back({job.JobNumber, card, CurrentLocalTime(), kind, *tracks, results});
}
