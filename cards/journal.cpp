#include "journal.h"

#include <QFile>

#include "card_texts.h"
#include "csv.h"
#include "record_export.h"
#include "whole_file.h"

namespace {

// How a journal begins, as Open writes it.
std::string JournalStart(RecordsLayout layout = RecordsLayout::WithRow) {
    return std::string(kUtf8ByteOrderMark) + RecordsCsvHeader(layout);
}

// Where the file's last whole row ends: after the last line break outside a quoted cell.
// Quotes inside a cell come doubled, so counting them keeps the state right.
qint64 EndOfWholeRows(QFile& file) {
    qint64 end = 0;
    qint64 at = 0;
    bool quoted = false;
    while (true) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty()) return end;
        for (const char c : chunk) {
            ++at;
            if (c == '"') quoted = !quoted;
            if (c == '\n' && !quoted) end = at;
        }
    }
}

// Refuses a file that is no journal; cuts a torn last row off one that is, and tells its
// layout. A file that holds no more than a torn start is cut to nothing and begun again.
std::optional<std::string> CheckAndMend(const QString& path, bool& notAJournal,
                                        RecordsLayout& layout) {
    QFile file(path);
    if (!file.exists()) return std::nullopt;
    const std::string name = path.toStdString();
    if (!file.open(QIODevice::ReadOnly))
        return name + ": " + CardTexts::CannotRead(file.errorString().toStdString());
    if (file.size() == 0) return std::nullopt;
    const QByteArray head = file.read(static_cast<qint64>(JournalStart().size()));
    const std::string_view begun(head.constData(), static_cast<std::size_t>(head.size()));
    const bool bom = begun.starts_with(kUtf8ByteOrderMark);
    bool onlyStart = false;
    notAJournal = true;
    for (const RecordsLayout candidate : {RecordsLayout::WithRow, RecordsLayout::WithoutRow}) {
        const std::string start = JournalStart(candidate);
        const std::string_view expected =
            std::string_view(start).substr(bom ? 0 : kUtf8ByteOrderMark.size());
        onlyStart = onlyStart || (file.size() < static_cast<qint64>(expected.size()) &&
                                  expected.starts_with(begun));
        if (!begun.starts_with(expected)) continue;
        layout = candidate;
        notAJournal = false;
        break;
    }
    notAJournal = notAJournal && !onlyStart;
    if (notAJournal) return name + ": " + CardTexts::NotAJournal();
    file.seek(0);
    const qint64 end = onlyStart ? 0 : EndOfWholeRows(file);
    if (end == file.size()) return std::nullopt;
    file.seek(end);
    const QByteArray torn = file.readAll();
    file.close();
    SyncedAppendFile kept;
    std::optional<std::string> failure = kept.Open(path + QStringLiteral(".torn"));
    if (!failure) failure = kept.Append(std::string_view(torn.constData(), torn.size()));
    if (failure) return failure;
    QFile cut(path);
    if (!cut.resize(end)) return CannotWriteFile(path, cut.errorString().toStdString());
    return std::nullopt;
}

}  // namespace

std::unique_ptr<Journal> Journal::Open(const QString& path, std::string& error,
                                       bool* notAJournal) {
    std::unique_ptr<Journal> journal(new Journal(path));
    bool refused = false;
    std::optional<std::string> failure = CheckAndMend(path, refused, journal->layout_);
    if (notAJournal != nullptr) *notAJournal = refused;
    if (!failure) failure = journal->file_.Open(path);
    if (!failure && journal->file_.Size() == 0) {
        journal->layout_ = RecordsLayout::WithRow;
        failure = journal->file_.Append(JournalStart());
    }
    if (!failure) return journal;
    error = *failure;
    return nullptr;
}

std::optional<std::string> Journal::Append(const CardRecord& record) {
    return file_.Append(RecordCsvLine(record, layout_));
}
