#include "job_tally.h"

#include <algorithm>

bool AllTracksOk(const CardRecord& record) {
    return std::all_of(record.results.begin(), record.results.end(),
                       [](const TrackResult& result) { return result.status == TrackStatus::Ok; });
}

JobTally JobTally::Of(const CardRecordList& records, std::size_t first) {
    JobTally tally;
    for (std::size_t i = first; i < records.size(); ++i) {
        const CardRecord& record = records[i];
        if (record.kind == CardKind::Read) {
            ++tally.read;
        } else if (AllTracksOk(record)) {
            ++tally.confirmed;
        } else {
            ++tally.notConfirmed;
        }
    }
    return tally;
}

std::string ProgressLine(const JobTally& tally, int total) {
    return std::to_string(tally.confirmed) + "/" + std::to_string(total) + " cards, " +
           std::to_string(tally.notConfirmed) + " not confirmed";
}
