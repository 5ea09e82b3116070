#include "card_list.h"

#include <QFile>
#include <algorithm>
#include <optional>

#include "card_texts.h"
#include "csv.h"
#include "list_text.h"

namespace {

class ListErrors {
  public:
    explicit ListErrors(std::string_view fileName) : fileName_(fileName) {}

    // Line 0 stands for the whole file.
    void Add(int line, std::string_view reason) {
        if (Full()) return;
        std::string error = fileName_;
        if (line > 0) error += ":" + std::to_string(line);
        errors_.push_back(error + ": " + std::string(reason));
    }
    bool Full() const { return errors_.size() >= kMaxListErrors; }
    bool Empty() const { return errors_.empty(); }
    CardListResult Result() && { return {{}, std::move(errors_)}; }

  private:
    std::string fileName_;
    std::vector<std::string> errors_;
};

// Where each track's values are: a CSV column named in a header row, or the single
// value of each line.
struct ListLayout {
    std::optional<char> separator = ',';
    std::array<int, kTrackCount> column{-1, -1, -1};
    int headerLine = 0;  // 0 when the list has no header row
    std::size_t headerFields = 0;
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

std::string JoinProblems(const std::vector<std::string>& problems) {
    std::string joined;
    for (const std::string& problem : problems) joined += (joined.empty() ? "" : "；") + problem;
    return joined;
}

}  // namespace

CardListResult ParseCardList(std::string_view bytes, std::string_view fileName, TrackSet tracks,
                             const TrackLimits& limits) {
    ListErrors errors(fileName);
    if (bytes.size() > kMaxListFileBytes) {
        errors.Add(0, CardTexts::FileTooLarge(kMaxListFileBytes));
        return std::move(errors).Result();
    }
    const ListText text = ExamineListText(bytes);
    if (text.fault != TextFault::None) {
        errors.Add(text.faultLine, text.fault == TextFault::NulByte ? CardTexts::NulByte()
                                                                    : CardTexts::Undecodable());
        return std::move(errors).Result();
    }
    const std::optional<ListLayout> layout = FindLayout(text.body, tracks, errors);
    if (!layout) return std::move(errors).Result();

    CardListResult result;
    CsvReader reader(text.body, {layout->separator, kMaxListRowBytes});
    CsvRecord record;
    while (!errors.Full() && reader.Next(record)) {
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
            if (column >= 0 && static_cast<std::size_t>(column) < record.fields.size())
                values[track - 1] = DecodeListField(record.fields[column], text.encoding);
        }
        CheckedCard card = CheckCardValues(tracks, values, limits);
        if (!card.problems.empty())
            errors.Add(record.line, JoinProblems(card.problems));
        else if (errors.Empty())
            result.cards.push_back({record.line, std::move(card.gbk)});
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
