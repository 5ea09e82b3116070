#pragma once

#include <QDateTime>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "track_set.h"

enum class CardKind { Read, Write };

// A read track is `Failed` when the device sent its failure mark, a written one when the
// device did not confirm the write; `VerifyFailed` when the device confirmed it but the
// card, read back, did not give it back.
enum class TrackStatus { Ok, Failed, VerifyFailed };

struct TrackResult {
    std::string bytes;  // GBK, as on the wire
    TrackStatus status = TrackStatus::Ok;
};

// What one card of a job gave.
struct CardRecord {
    int job = 0;       // 1 for the window's first job, counting up for its life
    int card = 0;      // the card's place in its job, from 1; every card once
    std::string time;  // local time, ISO 8601 with offset: 2024-03-01T09:30:00+08:00
    CardKind kind = CardKind::Read;
    TrackSet tracks = TrackSet::Track2;
    // Indexed by track number - 1; only the tracks of `tracks` have a result.
    std::array<TrackResult, kTrackCount> results;
};

// The records of the window's life, appended by the running job.
using CardRecordList = std::vector<CardRecord>;

// "read" or "write".
std::string_view CardKindName(CardKind kind);
// "ok", "failed" or "verify-failed".
std::string_view TrackStatusName(TrackStatus status);

// A time as records carry it; seconds precision, the offset always as +hh:mm.
std::string IsoLocalTime(const QDateTime& time);
std::string CurrentLocalTime();
