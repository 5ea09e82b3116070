#include "job_tally.h"

namespace {

bool AnyTrackIs(const CardRecord& record, TrackStatus status) {
    for (int track = 1; track <= kTrackCount; ++track) {
        if (record.Status(track) == status) return true;
    }
    return false;
}

}  // namespace

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

std::string AwaitingLine(const JobTally& tally, int card, int total) {
    return "swipe card " + std::to_string(card) + " of " + std::to_string(total) +
           " to write; " + ProgressLine(tally, total);
}

std::string ReadCountLine(const JobTally& tally) {
    return std::to_string(tally.read) + (tally.read == 1 ? " card read" : " cards read");
}
