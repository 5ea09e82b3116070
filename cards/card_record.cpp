#include "card_record.h"

#include <cstdio>
#include <cstdlib>

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
