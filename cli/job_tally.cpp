#include "job_tally.h"

#include <algorithm>

bool AllTracksOk(const CardRecord& record) {
    for (int track = 1; track <= kTrackCount; ++track) {
        if (record.Status(track) != TrackStatus::Ok) return false;
    }
    return true;
}

void JobTally::Add(const CardRecord& record) {
    if (record.kind == CardKind::Read) {
        ++read;
    } else if (AllTracksOk(record)) {
        ++confirmed;
    } else {
        ++notConfirmed;
    }
}

std::string ProgressLine(const JobTally& tally, int total) {
    return std::to_string(tally.confirmed) + "/" + std::to_string(total) + " cards, " +
           std::to_string(tally.notConfirmed) + " not confirmed";
}
