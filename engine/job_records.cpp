#include "job_records.h"

void AddCardRecord(CardJob& job, CardKind kind,
                   const std::array<TrackResult, kTrackCount>& results) {
    const std::optional<TrackSet> tracks = TrackSetOf(job.Tracks);
    if (!tracks) return;
    // Records are appended in order, so the job's last one holds its count.
    const bool jobHasCards = !job.Records.empty() && job.Records.back().job == job.JobNumber;
    const int card = jobHasCards ? job.Records.back().card + 1 : 1;
    job.Records.push_back({job.JobNumber, card, CurrentLocalTime(), kind, *tracks, results});
}
