#include "card_record.h"

#include <cstdlib>

std::string_view CardKindName(CardKind kind) {
    return kind == CardKind::Read ? "read" : "write";
}

std::string_view TrackStatusName(TrackStatus status) {
    return status == TrackStatus::Ok ? "ok" : "failed";
}

std::string IsoLocalTime(const QDateTime& time) {
    const int offsetMinutes = time.offsetFromUtc() / 60;
    const int absolute = std::abs(offsetMinutes);
    const QString offset = QStringLiteral("%1%2:%3")
                               .arg(offsetMinutes < 0 ? u'-' : u'+')
                               .arg(absolute / 60, 2, 10, QChar(u'0'))
                               .arg(absolute % 60, 2, 10, QChar(u'0'));
    return (time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + offset).toStdString();
}

std::string CurrentLocalTime() {
    return IsoLocalTime(QDateTime::currentDateTime());
}
