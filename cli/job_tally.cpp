#include "job_tally.h"

namespace {

bool AnyTrackIs(const CardRecord& record, TrackStatus status) {
    for (int track = 1; track <= kTrackCount; ++track) {
        if (record.Status(track) == status) return true;
    }
    return false;
}

}  // namespace

bool AllTracksOk(const CardRecord& record) {
    return !AnyTrackIs(record, TrackStatus::Failed) && !AnyTrackIs(record, TrackStatus::VerifyFailed);
}

void JobTally::Add(const CardRecord& record) {
    if (record.kind == CardKind::Read) {
        ++read;
    } else if (AllTracksOk(record)) {
        ++confirmed;
    } else if (AnyTrackIs(record, TrackStatus::VerifyFailed)) {
        ++verifyFailed;
    } else {
        ++notConfirmed;
    }
}

std::string ProgressLine(const JobTally& tally, int total) {
    return std::to_string(tally.confirmed) + "/" + std::to_string(total) + " cards, " +
           std::to_string(tally.notConfirmed + tally.verifyFailed) + " not confirmed";
}
