#include "card_list.h"

#include <QFile>
#include <algorithm>
#include <optional>

#include "card_texts.h"
#include "csv.h"
#include "json_card_list.h"
#include "list_errors.h"
#include "list_text.h"
#include "record_export.h"

namespace {

// Where each track's values are: a CSV column named in a header row, or the single
// value of each line.
struct ListLayout {
    std::optional<char> separator = ',';
    std::array<int, kTrackCount> column{-1, -1, -1};
    int headerLine = 0;  // 0 when the list has no header row
    std::size_t headerFields = 0;
    // A records export (its header is the export's): its track cells lose the export's
    // formula guard and keep their line breaks as they were read.
    bool recordsExport = false;
};

bool IsBlank(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

std::string ProblemText(CsvProblem problem) {
    switch (problem) {
        case CsvProblem::UnclosedQuote:
            return CardTexts::UnclosedQuote();
        case CsvProblem::TextAfterQuote:
            return CardTexts::TextAfterQuote();
        case CsvProblem::TooLong:
            return CardTexts::LineTooLong(kMaxListRowBytes);
        case CsvProblem::None:
            break;
    }
    return {};
}

// 1 to 3 for a header field naming a track column, 0 otherwise.
int TrackNamed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return 0;
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    if (field.size() != 6 || field[5] < '1' || field[5] > '3') return 0;
    const std::string_view name = "track";
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((field[i] | 0x20) != name[i]) return 0;
    return field[5] - '0';
}

int TracksIn(TrackSet tracks) {
    int count = 0;
    for (int track = 1; track <= kTrackCount; ++track) count += HasTrack(tracks, track) ? 1 : 0;
    return count;
}

std::optional<ListLayout> LayoutOf(const CsvRecord& first, TrackSet tracks, ListErrors& errors) {
    ListLayout layout;
    bool named = false;
    for (std::size_t i = 0; i < first.fields.size(); ++i) {
        const int track = TrackNamed(first.fields[i]);
        if (track == 0) continue;
        if (layout.column[track - 1] >= 0)
            errors.Add(first.line, CardTexts::DuplicateColumn(track));
        layout.column[track - 1] = static_cast<int>(i);
        named = true;
    }
    if (named) {
        layout.headerLine = first.line;
        layout.headerFields = first.fields.size();
        layout.recordsExport = IsRecordsCsvHeader(CsvLine(first.fields));
        for (int track = 1; track <= kTrackCount; ++track)
            if (HasTrack(tracks, track) && layout.column[track - 1] < 0)
                errors.Add(first.line, CardTexts::MissingColumn(track));
        if (!errors.Empty()) return std::nullopt;
        return layout;
    }
    if (first.fields.size() > 1) {
        errors.Add(first.line, CardTexts::UnknownHeader());
        return std::nullopt;
    }
    if (TracksIn(tracks) > 1) {
        errors.Add(first.line, CardTexts::HeaderNeeded(tracks));
        return std::nullopt;
    }
    layout.separator.reset();
    for (int track = 1; track <= kTrackCount; ++track)
        if (HasTrack(tracks, track)) layout.column[track - 1] = 0;
    return layout;
}

// The first row that is not blank decides between a header and a list of values.
std::optional<ListLayout> FindLayout(std::string_view body, TrackSet tracks, ListErrors& errors) {
    CsvReader reader(body, {',', kMaxListRowBytes});
    CsvRecord record;
    while (reader.Next(record)) {
        if (record.problem != CsvProblem::None) {
            errors.Add(record.line, ProblemText(record.problem));
            return std::nullopt;
        }
        if (!IsBlank(record)) return LayoutOf(record, tracks, errors);
    }
    errors.Add(0, CardTexts::EmptyFile());
    return std::nullopt;
}

std::string FaultText(TextFault fault) {
    switch (fault) {
        case TextFault::Utf16:
            return CardTexts::Utf16();
        case TextFault::NulByte:
            return CardTexts::NulByte();
        case TextFault::Undecodable:
        case TextFault::None:
            break;
    }
    return CardTexts::Undecodable();
}

}  // namespace

CardListResult ParseCardList(std::string_view bytes, std::string_view fileName, TrackSet tracks,
                             const TrackLimits& limits) {
    ListErrors errors(fileName);
    if (bytes.size() > kMaxListFileBytes) {
        errors.Add(0, CardTexts::FileTooLarge(kMaxListFileBytes));
        return std::move(errors).Result();
    }
    if (IsJsonListName(fileName)) return ParseJsonCardList(bytes, fileName, tracks, limits);
    const ListText text = ExamineListText(bytes);
    if (text.fault != TextFault::None) {
        errors.Add(text.faultLine, FaultText(text.fault));
        return std::move(errors).Result();
    }
    const std::optional<ListLayout> layout = FindLayout(text.body, tracks, errors);
    if (!layout) return std::move(errors).Result();

    CardListResult result;
    // A column of a track the selection leaves out would be dropped without a word.
    std::array<bool, kTrackCount> unselectedValues{};
    CsvReader reader(text.body, {layout->separator, kMaxListRowBytes});
    CsvRecord record;
    // Every row is checked, so the operator learns how many are bad, not only the first.
    while (reader.Next(record)) {
        if (record.line <= layout->headerLine) continue;
        if (record.problem != CsvProblem::None) {
            errors.Add(record.line, ProblemText(record.problem));
            continue;
        }
        if (IsBlank(record)) continue;
        // An unquoted comma in a value would otherwise cut the value short unnoticed.
        if (layout->headerLine > 0 && record.fields.size() > layout->headerFields) {
            errors.Add(record.line,
                       CardTexts::ExtraFields(record.fields.size(), layout->headerFields));
            continue;
        }
        TrackValues values;
        for (int track = 1; track <= kTrackCount; ++track) {
            const int column = layout->column[track - 1];
            if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size()) continue;
            const std::string_view field = record.fields[column];
            if (!HasTrack(tracks, track)) {
                unselectedValues[track - 1] |= field.find_first_not_of(" \t") != field.npos;
                continue;
            }
            values[track - 1] = DecodeListField(
                layout->recordsExport ? UnguardedCell(field) : field, text.encoding);
        }
        CheckedCard card = CheckCardValues(
            tracks, values, limits,
            layout->recordsExport ? LineBreaks::AsWritten : LineBreaks::AsCrLf);
        if (!card.problems.empty())
            errors.Add(record.line, ListErrors::Joined(card.problems));
        else if (errors.Empty())
            result.cards.push_back({record.line, std::move(card.gbk),
                                    static_cast<int>(result.cards.size()) + 1});
    }
    for (int track = 1; track <= kTrackCount; ++track) {
        if (unselectedValues[track - 1])
            errors.Add(layout->headerLine, CardTexts::UnselectedColumn(track, tracks));
    }
    if (errors.Empty() && result.cards.empty()) errors.Add(0, CardTexts::NoCards());
    if (!errors.Empty()) return std::move(errors).Result();
    return result;
}

CardListResult ReadCardList(const QString& path, TrackSet tracks, const TrackLimits& limits) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(kMaxListFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        ListErrors errors(path.toStdString());
        errors.Add(0, CardTexts::CannotRead(file.errorString().toStdString()));
        return std::move(errors).Result();
    }
    return ParseCardList(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        path.toStdString(), tracks, limits);
}
