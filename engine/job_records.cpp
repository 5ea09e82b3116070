#include "job_records.h"

namespace {

// The number the job's next card gets. Records are appended in order, so the job's last
// one holds its count.
int NextCardNumber(const CardJob& job) {
    const bool jobHasCards = !job.Records.empty() && job.Records.back().job == job.JobNumber;
    return jobHasCards ? job.Records.back().card + 1 : 1;
}

// A journal that fails ends the job after the card in hand, as Stop does: one row missing
// would make a resumed list write that card again.
bool Journalled(CardJob& job, const CardRecord& record) {
    if (job.JournalFile == nullptr || !job.JournalFailure.empty()) return job.JournalFailure.empty();
    const auto error = job.JournalFile->Append(record);
    if (!error) return true;
    job.JournalFailure = *error;
    job.StopFlag.store(1);
    return false;
}

}  // namespace

void AddCardRecord(CardJob& job, CardKind kind,
                   const std::array<TrackResult, kTrackCount>& results) {
    const std::optional<TrackSet> tracks = TrackSetOf(job.Tracks);
    if (!tracks) return;
    job.Records.push_back(
        {job.JobNumber, NextCardNumber(job), CurrentLocalTime(), kind, *tracks, results});
    job.Records.back().row = job.ListRow;
    Journalled(job, job.Records.back());
}

bool JournalSending(CardJob& job, const std::array<TrackResult, kTrackCount>& results) {
    const std::optional<TrackSet> tracks = TrackSetOf(job.Tracks);
    if (!tracks) return true;
    CardRecord sending(job.JobNumber, NextCardNumber(job), CurrentLocalTime(), CardKind::Write,
                       *tracks, results);
    sending.row = job.ListRow;
    return Journalled(job, sending);
}
