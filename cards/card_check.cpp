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

}  // namespace

TrackLimits TrackLimitsFor(const DeviceProfile& profile, bool lowDensity) {
    return {
        {profile.Tack1Num, lowDensity ? profile.Tack2Lower : profile.Tack2High, profile.Tack2High},
        {"Tack1Num", lowDensity ? "Tack2Lower" : "Tack2High", "Tack2High"}};
}

std::size_t ByteLimit(const TrackLimits& limits, int track) {
    const int limit = limits.bytes[track - 1];
    return limit > 0 ? std::min(static_cast<std::size_t>(limit), kMaxTrackBytes) : kMaxTrackBytes;
}

EncodedValue EncodeTrackValue(int track, const QString& value) {
    const QString text = WithCrLfBreaks(value);
    std::optional<std::string> gbk = TextToGbk(text);
    if (!gbk) return {{}, CardTexts::Unencodable(track, FirstUnencodable(text))};
    return {std::move(*gbk), {}};
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
        EncodedValue encoded = EncodeTrackValue(track, *value);
        if (!encoded.problem.empty()) {
            card.problems.push_back(std::move(encoded.problem));
            continue;
        }
        const std::size_t limit = ByteLimit(limits, track);
        if (encoded.gbk.size() > limit) {
            card.problems.push_back(CardTexts::OverLimit(track, encoded.gbk.size(), limit));
            continue;
        }
        card.gbk[track - 1] = std::move(encoded.gbk);
    }
    return card;
}
