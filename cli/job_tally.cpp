#include "job_tally.h"

#include <algorithm>

bool AllTracksOk(const CardRecord& record) {
    return std::all_of(record.results.begin(), record.results.end(),
                       [](const TrackResult& result) { return result.status == TrackStatus::Ok; });
}

void JobTally::Add(const CardRecord& record) {
    if (record.kind == CardKind::Read) {
        ++read;
    } else if (AllTracksOk(record)) {
        ++confirmed;
    } else if (std::any_of(record.results.begin(), record.results.end(), [](const auto& result) {
                   return result.status == TrackStatus::VerifyFailed;
               })) {
        ++verifyFailed;
    } else {
        ++notConfirmed;
    }
}

std::string ProgressLine(const JobTally& tally, int total) {
    return std::to_string(tally.confirmed) + "/" + std::to_string(total) + " cards, " +
           std::to_string(tally.notConfirmed + tally.verifyFailed) + " not confirmed";
}
