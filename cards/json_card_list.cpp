#include "json_card_list.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>

#include "card_texts.h"
#include "list_errors.h"

namespace {

QString HexKey(int track) {
    return QStringLiteral("track%1_hex").arg(track);
}

// A character outside Latin-1 becomes '?', which is no hex digit either.
bool IsHex(const QByteArray& latin1) {
    return latin1.size() % 2 == 0 && std::all_of(latin1.begin(), latin1.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

}  // namespace

bool IsJsonListName(std::string_view fileName) {
    constexpr std::string_view kEnding = ".json";
    if (fileName.size() < kEnding.size()) return false;
    const std::string_view ending = fileName.substr(fileName.size() - kEnding.size());
    return std::equal(ending.begin(), ending.end(), kEnding.begin(),
                      [](char a, char b) { return (a | 0x20) == b; });
}

CardListResult ParseJsonCardList(std::string_view bytes, std::string_view fileName,
                                 TrackSet tracks, const TrackLimits& limits) {
    ListErrors errors(fileName);
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        const QString reason = document.isNull() ? parseError.errorString()
                                                 : QStringLiteral("not an array");
        errors.Add(0, CardTexts::NotRecordsJson(reason.toStdString()));
        return std::move(errors).Result();
    }
    CardListResult result;
    const QJsonArray records = document.array();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QJsonObject record = records[i].toObject();
        const int number = static_cast<int>(i) + 1;
        TrackBytes values;
        std::vector<std::string> problems;
        for (int track = 1; track <= kTrackCount; ++track) {
            const QByteArray hex = record.value(HexKey(track)).toString().toLatin1();
            if (!HasTrack(tracks, track) || hex.isEmpty()) continue;
            if (!IsHex(hex)) problems.push_back(CardTexts::NotHex(track));
            values[track - 1] = QByteArray::fromHex(hex).toStdString();
        }
        CheckedCard card = CheckCardBytes(tracks, values, limits);
        problems.insert(problems.end(), card.problems.begin(), card.problems.end());
        if (!problems.empty())
            errors.AddForRecord(number, ListErrors::Joined(problems));
        else if (errors.Empty())
            result.cards.push_back(
                {number, std::move(card.gbk), static_cast<int>(result.cards.size()) + 1});
    }
    if (errors.Empty() && result.cards.empty()) errors.Add(0, CardTexts::NoCards());
    if (!errors.Empty()) return std::move(errors).Result();
    return result;
}
