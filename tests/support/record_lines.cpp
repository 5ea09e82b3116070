#include "record_lines.h"

std::string RecordLines(const CardRecordList& records) {
    std::string lines;
    for (const CardRecord& record : records) {
        lines += std::to_string(record.job) + "/" + std::to_string(record.card) + " " +
                 std::string(CardKindName(record.kind)) + " " +
                 std::string(TrackSetCode(record.tracks));
        for (int track = 1; track <= kTrackCount; ++track) {
            if (!HasTrack(record.tracks, track)) continue;
            const TrackResult& result = record.results[track - 1];
            lines += " " + std::to_string(track) + (result.status == TrackStatus::Ok ? "+" : "-") +
                     result.bytes;
        }
        lines += "\n";
    }
    return lines;
}
