#include "card_record.h"

#include <cstdio>
#include <cstdlib>

CardRecord::CardRecord(int job, int card, std::string_view time, CardKind kind, TrackSet tracks,
                       const std::array<TrackResult, kTrackCount>& results)
    : job(job), card(card), kind(kind), tracks(tracks) {
    // A time is some 25 characters; anything longer is no time this system made.
    time = time.substr(0, UINT8_MAX);
    timeLength_ = static_cast<std::uint8_t>(time.size());
    std::size_t length = time.size();
    for (const TrackResult& result : results) length += result.bytes.size() + result.readBack.size();
    text_.reserve(length);
    text_ = time;
    for (int track = 0; track < kTrackCount; ++track) {
        text_ += results[track].bytes;
        trackEnds_[track] = static_cast<std::uint32_t>(text_.size());
        statuses_[track] = results[track].status;
    }
    for (int track = 0; track < kTrackCount; ++track) {
        text_ += results[track].readBack;
        readBackEnds_[track] = static_cast<std::uint32_t>(text_.size());
    }
}

std::string_view CardRecord::Time() const {
    return std::string_view(text_).substr(0, timeLength_);
}

std::string_view CardRecord::Bytes(int track) const {
    const std::size_t begin = track == 1 ? timeLength_ : trackEnds_[track - 2];
    return std::string_view(text_).substr(begin, trackEnds_[track - 1] - begin);
}

std::string_view CardRecord::ReadBack(int track) const {
    const std::size_t begin = track == 1 ? trackEnds_[kTrackCount - 1] : readBackEnds_[track - 2];
    return std::string_view(text_).substr(begin, readBackEnds_[track - 1] - begin);
}

TrackStatus CardRecord::Status(int track) const {
    return statuses_[track - 1];
}

bool AllTracksOk(const CardRecord& record) {
    for (int track = 1; track <= kTrackCount; ++track) {
        const TrackStatus status = record.Status(track);
        if (status == TrackStatus::Failed || status == TrackStatus::VerifyFailed) return false;
    }
    return true;
}

std::string_view CardKindName(CardKind kind) {
    return kind == CardKind::Read ? "read" : "write";
}

std::string_view TrackStatusName(TrackStatus status) {
    switch (status) {
        case TrackStatus::Ok:
            return "ok";
        case TrackStatus::Failed:
            break;
        case TrackStatus::VerifyFailed:
            return "verify-failed";
        case TrackStatus::Sending:
            return "sending";
        case TrackStatus::Unverified:
            return "unverified";
    }
    return "failed";
}

std::string IsoLocalTime(const QDateTime& time) {
    const int offsetMinutes = time.offsetFromUtc() / 60;
    const int absolute = std::abs(offsetMinutes);
    char offset[16];
    std::snprintf(offset, sizeof offset, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+',
                  absolute / 60, absolute % 60);
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toStdString() + offset;
}

std::string CurrentLocalTime() {
    return IsoLocalTime(QDateTime::currentDateTime());
}
