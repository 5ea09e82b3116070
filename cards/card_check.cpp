#include "card_check.h"

#include <QList>
#include <algorithm>

#include "card_texts.h"
#include "gbk.h"

namespace {

std::string FirstUnencodable(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        const char32_t single = codePoint;
        const QString character = QString::fromUcs4(&single, 1);
        if (!TextToGbk(character)) return character.toStdString();
    }
    return {};
}

std::optional<std::string> BytesProblem(int track, std::string_view bytes,
                                        const TrackLimits& limits) {
    if (bytes.empty()) return CardTexts::MissingValue(track);
    const std::size_t limit = ByteLimit(limits, track);
    if (bytes.size() > limit) return CardTexts::OverLimit(track, bytes.size(), limit);
    return std::nullopt;
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
    const QString text = WithLineBreaks(value, u"\r\n");
    std::optional<std::string> gbk = TextToGbk(text);
    if (!gbk) return {{}, CardTexts::Unencodable(track, FirstUnencodable(text))};
    return {std::move(*gbk), {}};
}

CheckedCard CheckCardValues(TrackSet tracks, const TrackValues& values, const TrackLimits& limits,
                            LineBreaks breaks) {
    CheckedCard card;
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(tracks, track)) continue;
        const std::optional<QString>& value = values[track - 1];
        const QString text = !value                           ? QString()
                             : breaks == LineBreaks::AsCrLf ? WithLineBreaks(*value, u"\r\n")
                                                            : *value;
        std::optional<std::string> gbk = TextToGbk(text);
        if (!gbk) {
            card.problems.push_back(CardTexts::Unencodable(track, FirstUnencodable(text)));
        } else if (auto problem = BytesProblem(track, *gbk, limits)) {
            card.problems.push_back(std::move(*problem));
        } else {
            card.gbk[track - 1] = std::move(*gbk);
        }
    }
    return card;
}

CheckedCard CheckCardBytes(TrackSet tracks, const TrackBytes& bytes, const TrackLimits& limits) {
    CheckedCard card;
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(tracks, track)) continue;
        const std::string value = bytes[track - 1].value_or(std::string());
        if (auto problem = BytesProblem(track, value, limits))
            card.problems.push_back(std::move(*problem));
        else
            card.gbk[track - 1] = value;
    }
    return card;
}
