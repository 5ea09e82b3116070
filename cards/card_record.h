#pragma once

#include <QDateTime>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "track_set.h"

enum class CardKind : std::uint8_t { Read, Write };

// A read track is `Failed` when the device sent its failure mark, a written one when the
// device did not confirm the write; `VerifyFailed` when the device confirmed it but the
// card, read back, did not give it back. A journal also holds `Sending` (the card about to
// go out, its outcome not known yet) and `Unverified` (confirmed by the device, but the
// job ended before the read-back).
enum class TrackStatus : std::uint8_t { Ok, Failed, VerifyFailed, Sending, Unverified };

struct TrackResult {
    std::string bytes;  // GBK, as on the wire
    TrackStatus status = TrackStatus::Ok;
    // `VerifyFailed` with a card that read: what it gave back instead (GBK).
    std::string readBack{};
};

// What one card of a job gave. A long session keeps a great many: a record holds its
// time and track bytes in one piece of text, and costs little more than those bytes.
class CardRecord {
  public:
    CardRecord() = default;
    // `results` is indexed by track number - 1; only the tracks of `tracks` have a result.
    CardRecord(int job, int card, std::string_view time, CardKind kind, TrackSet tracks,
               const std::array<TrackResult, kTrackCount>& results);

    // Local time, ISO 8601 with offset: 2024-03-01T09:30:00+08:00.
    std::string_view Time() const;
    // A track's bytes (GBK, as on the wire) and status, by track number.
    std::string_view Bytes(int track) const;
    TrackStatus Status(int track) const;
    // What a track that failed its verify gave back; empty for any other.
    std::string_view ReadBack(int track) const;

    int job = 0;   // 1 for the window's first job, counting up for its life
    int card = 0;  // the card's place in its job, from 1; every card once
    int row = 0;   // a list write's card: its place in the list, from 1; 0 otherwise
    CardKind kind = CardKind::Read;
    TrackSet tracks = TrackSet::Track2;

  private:
    // The time, then each track's bytes, then each track's read-back, and where each of
    // those ends.
    std::string text_;
    std::uint8_t timeLength_ = 0;
    std::array<std::uint32_t, kTrackCount> trackEnds_{};
    std::array<std::uint32_t, kTrackCount> readBackEnds_{};
    std::array<TrackStatus, kTrackCount> statuses_{};
};

// The records of the window's life, appended by the running job.
using CardRecordList = std::vector<CardRecord>;

// Whether every track of the card read or wrote well (and read back as written). A card
// the device confirmed whose read-back a stop cut short (`Unverified`) counts as written,
// as resuming from a journal counts it.
bool AllTracksOk(const CardRecord& record);

// "read" or "write".
std::string_view CardKindName(CardKind kind);
// "ok", "failed", "verify-failed", "sending" or "unverified".
std::string_view TrackStatusName(TrackStatus status);

// A time as records carry it; seconds precision, the offset always as +hh:mm.
std::string IsoLocalTime(const QDateTime& time);
std::string CurrentLocalTime();
