#include "record_lines.h"

std::string RecordLines(const CardRecordList& records) {
    std::string lines;
    for (const CardRecord& record : records) {
        lines += std::to_string(record.job) + "/" + std::to_string(record.card) + " " +
                 std::string(CardKindName(record.kind)) + " " +
                 std::string(TrackSetCode(record.tracks));
        for (int track = 1; track <= kTrackCount; ++track) {
            if (!HasTrack(record.tracks, track)) continue;
            lines += " " + std::to_string(track) +
                     (record.Status(track) == TrackStatus::Ok ? "+" : "-") +
                     std::string(record.Bytes(track));
        }
        lines += "\n";
    }
    return lines;
}
