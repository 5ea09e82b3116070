#include "card_check.h"

#include <QList>
#include <algorithm>

#include "card_texts.h"
#include "gbk.h"

namespace {

QString WithCrLfBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return text;
}

std::string FirstUnencodable(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        const char32_t single = codePoint;
        const QString character = QString::fromUcs4(&single, 1);
        if (!TextToGbk(character)) return character.toStdString();
    }
    return {};
}

std::size_t EffectiveLimit(int limit) {
    return limit > 0 ? std::min(static_cast<std::size_t>(limit), kMaxTrackBytes) : kMaxTrackBytes;
}

}  // namespace

TrackLimits TrackLimitsFor(const DeviceProfile& profile, bool lowDensity) {
    return {
        {profile.Tack1Num, lowDensity ? profile.Tack2Lower : profile.Tack2High, profile.Tack2High}};
}

CheckedCard CheckCardValues(TrackSet tracks, const TrackValues& values, const TrackLimits& limits) {
    CheckedCard card;
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(tracks, track)) continue;
        const std::optional<QString>& value = values[track - 1];
        if (!value || value->isEmpty()) {
            card.problems.push_back(CardTexts::MissingValue(track));
            continue;
        }
        const QString text = WithCrLfBreaks(*value);
        std::optional<std::string> gbk = TextToGbk(text);
        if (!gbk) {
            card.problems.push_back(CardTexts::Unencodable(track, FirstUnencodable(text)));
            continue;
        }
        const std::size_t limit = EffectiveLimit(limits.bytes[track - 1]);
        if (gbk->size() > limit) {
            card.problems.push_back(CardTexts::OverLimit(track, gbk->size(), limit));
            continue;
        }
        card.gbk[track - 1] = std::move(*gbk);
    }
    return card;
}
