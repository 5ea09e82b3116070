#include "written_cards.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "card_texts.h"
#include "csv.h"
#include "gbk.h"
#include "list_text.h"

namespace {


// The columns a journal row is read from, by their header names.
struct JournalColumns {
    int card = -1;
    int kind = -1;
    int tracks = -1;
    std::array<int, kTrackCount> text{-1, -1, -1};
    std::array<int, kTrackCount> status{-1, -1, -1};
    std::size_t needed = 0;  // fields a row must have to hold them all
};

std::optional<JournalColumns> ColumnsOf(const std::vector<std::string>& header) {
    JournalColumns columns;
    const auto find = [&](const std::string& name) {
        const auto at = std::find(header.begin(), header.end(), name);
        return at == header.end() ? -1 : static_cast<int>(at - header.begin());
    };
    columns.card = find("card");
    columns.kind = find("kind");
    columns.tracks = find("tracks");
    std::vector<int> all{columns.card, columns.kind, columns.tracks};
    for (int track = 1; track <= kTrackCount; ++track) {
        columns.text[track - 1] = find("track" + std::to_string(track));
        columns.status[track - 1] = find("track" + std::to_string(track) + "_status");
        all.push_back(columns.text[track - 1]);
        all.push_back(columns.status[track - 1]);
    }
    if (std::find(all.begin(), all.end(), -1) != all.end()) return std::nullopt;
    columns.needed = static_cast<std::size_t>(*std::max_element(all.begin(), all.end())) + 1;
    return columns;
}

// A written card's row: its texts, and whether every track of it was confirmed, or is
// marked as going out.
struct WrittenRow {
    ConfirmedCard card;
    bool confirmed = true;
    bool sending = true;
};

std::optional<WrittenRow> WrittenRowOf(const CsvRecord& record, const JournalColumns& columns) {
    const std::vector<std::string>& fields = record.fields;
    if (record.problem != CsvProblem::None || fields.size() < columns.needed ||
        fields[columns.kind] != "write")
        return std::nullopt;
    const std::optional<TrackSet> tracks = TrackSetOfCode(fields[columns.tracks]);
    if (!tracks) return std::nullopt;
    WrittenRow row{{record.line, std::atoi(fields[columns.card].c_str()), *tracks, {}}};
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(*tracks, track)) continue;
        const std::string& status = fields[columns.status[track - 1]];
        row.confirmed = row.confirmed && (status == "ok" || status == "unverified");
        row.sending = row.sending && status == "sending";
        const std::optional<std::string> gbk =
            TextToGbk(DecodeListField(UnguardedCell(fields[columns.text[track - 1]]),
                                      TextEncoding::Utf8));
        if (!gbk) return std::nullopt;
        row.card.gbk[track - 1] = *gbk;
    }
    return row;
}

// The selection's texts, the key a list row and a confirmed card are matched by.
std::array<std::string, kTrackCount> KeyOf(const std::array<std::string, kTrackCount>& gbk,
                                           TrackSet tracks) {
    std::array<std::string, kTrackCount> key;
    for (int track = 1; track <= kTrackCount; ++track)
        if (HasTrack(tracks, track)) key[track - 1] = gbk[track - 1];
    return key;
}

}  // namespace

ConfirmedCardsResult ParseConfirmedCards(std::string_view bytes, std::string_view fileName) {
    // The journal is always written as UTF-8; a row that is not is a torn one.
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    CsvReader reader(bytes, {',', kMaxListRowBytes});
    CsvRecord record;
    ConfirmedCardsResult result;
    std::optional<JournalColumns> columns;
    while (reader.Next(record)) {
        if (columns) {
            const std::optional<WrittenRow> row = WrittenRowOf(record, *columns);
            if (!row) continue;
            // A later row of the same card settles it: its answer, or a new try.
            std::erase_if(result.unsure, [&](const ConfirmedCard& card) {
                return card.tracks == row->card.tracks &&
                       KeyOf(card.gbk, card.tracks) == KeyOf(row->card.gbk, card.tracks);
            });
            if (row->confirmed) result.cards.push_back(row->card);
            if (row->sending) result.unsure.push_back(row->card);
            continue;
        }
        columns = ColumnsOf(record.fields);
        if (!columns) {
            result.error = std::string(fileName) + ":" + std::to_string(record.line) + ": " +
                           CardTexts::NotAJournal();
            return result;
        }
    }
    if (!columns) result.error = std::string(fileName) + ": " + CardTexts::NotAJournal();
    return result;
}

ConfirmedCardsResult ReadConfirmedCards(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    // The size first spares reading a large file; the capped read covers a device, whose
    // size says nothing.
    const auto tooLarge = [](qint64 size) { return size > qint64{kMaxJournalFileBytes}; };
    if (file.open(QIODevice::ReadOnly) && !tooLarge(file.size()))
        bytes = file.read(kMaxJournalFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {{}, path.toStdString() + ": " +
                        CardTexts::CannotRead(file.errorString().toStdString()),
                {}};
    }
    if (tooLarge(file.size()) || tooLarge(bytes.size()))
        return {{}, path.toStdString() + ": " + CardTexts::FileTooLarge(kMaxJournalFileBytes), {}};
    return ParseConfirmedCards(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        path.toStdString());
}

ResumedList LeaveOutWritten(const std::vector<ListCard>& list, TrackSet tracks,
                            const std::vector<ConfirmedCard>& confirmed,
                            const std::vector<ConfirmedCard>& unsure) {
    // Each key's rows not yet left out, in list order.
    std::map<std::array<std::string, kTrackCount>, std::vector<std::size_t>> open;
    for (std::size_t i = list.size(); i-- > 0;)
        open[KeyOf(list[i].tracks, tracks)].push_back(i);
    std::vector<bool> written(list.size(), false);
    ResumedList result;
    for (const ConfirmedCard& card : confirmed) {
        const auto rows = card.tracks == tracks ? open.find(KeyOf(card.gbk, tracks)) : open.end();
        if (rows == open.end() || rows->second.empty()) {
            result.unmatched.push_back(card);
            continue;
        }
        written[rows->second.back()] = true;
        rows->second.pop_back();
        ++result.skipped;
    }
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!written[i]) result.remaining.push_back(list[i]);
    for (const ConfirmedCard& card : unsure) {
        const auto rows = card.tracks == tracks ? open.find(KeyOf(card.gbk, tracks)) : open.end();
        if (rows != open.end() && !rows->second.empty()) result.unsure.push_back(card);
    }
    return result;
}
