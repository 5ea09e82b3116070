#include "record_export.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

#include "csv.h"
#include "gbk.h"

namespace {

struct TrackKeys {
    QString text;
    QString status;
    QString hex;
    QString readBack;
    QString readBackHex;
};

const TrackKeys& KeysOf(int track) {
    static const TrackKeys keys[kTrackCount] = {
        {QStringLiteral("track1"), QStringLiteral("track1_status"), QStringLiteral("track1_hex"),
         QStringLiteral("track1_readback"), QStringLiteral("track1_readback_hex")},
        {QStringLiteral("track2"), QStringLiteral("track2_status"), QStringLiteral("track2_hex"),
         QStringLiteral("track2_readback"), QStringLiteral("track2_readback_hex")},
        {QStringLiteral("track3"), QStringLiteral("track3_status"), QStringLiteral("track3_hex"),
         QStringLiteral("track3_readback"), QStringLiteral("track3_readback_hex")},
    };
    return keys[track - 1];
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString Hex(std::string_view bytes) {
    return QString::fromLatin1(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex());
}

QJsonObject RecordObject(const CardRecord& record) {
    QJsonObject object{
        {QStringLiteral("job"), record.job},
        {QStringLiteral("card"), record.card},
        {QStringLiteral("row"), record.row > 0 ? QJsonValue(record.row) : QJsonValue()},
        {QStringLiteral("time"), Latin1(record.Time())},
        {QStringLiteral("kind"), Latin1(CardKindName(record.kind))},
        {QStringLiteral("tracks"), Latin1(TrackSetCode(record.tracks))},
    };
    for (int track = 1; track <= kTrackCount; ++track) {
        const TrackKeys& keys = KeysOf(track);
        if (!HasTrack(record.tracks, track)) {
            for (const QString* key : {&keys.text, &keys.status, &keys.hex})
                object.insert(*key, QJsonValue());
            continue;
        }
        const std::string_view bytes = record.Bytes(track);
        object.insert(keys.text, GbkToText(bytes));
        object.insert(keys.status, Latin1(TrackStatusName(record.Status(track))));
        object.insert(keys.hex, Hex(bytes));
        // Only where there is one, so the records of every other card keep their fields.
        if (record.Status(track) == TrackStatus::VerifyFailed && !record.ReadBack(track).empty()) {
            object.insert(keys.readBack, GbkToText(record.ReadBack(track)));
            object.insert(keys.readBackHex, Hex(record.ReadBack(track)));
        }
    }
    return object;
}

}  // namespace

std::string RecordsCsvHeader(RecordsLayout layout) {
    return std::string("job,card,") + (layout == RecordsLayout::WithRow ? "row," : "") +
           "time,kind,tracks,track1,track1_status,track2,track2_status,track3,track3_status\r\n";
}

bool IsRecordsCsvHeader(std::string_view line) {
    return line == RecordsCsvHeader(RecordsLayout::WithRow) ||
           line == RecordsCsvHeader(RecordsLayout::WithoutRow);
}

std::string RecordCsvLine(const CardRecord& record, RecordsLayout layout) {
    std::vector<std::string> fields{std::to_string(record.job), std::to_string(record.card)};
    if (layout == RecordsLayout::WithRow)
        fields.push_back(record.row > 0 ? std::to_string(record.row) : std::string());
    for (const std::string_view field :
         {record.Time(), CardKindName(record.kind), TrackSetCode(record.tracks)})
        fields.emplace_back(field);
    for (int track = 1; track <= kTrackCount; ++track) {
        const bool used = HasTrack(record.tracks, track);
        fields.push_back(used ? GuardedCell(GbkToText(record.Bytes(track)).toStdString()) : std::string());
        fields.push_back(used ? std::string(TrackStatusName(record.Status(track))) : std::string());
    }
    return CsvLine(fields);
}

void RecordsCsv(const CardRecordList& records, ByteOrderMark mark, const ByteSink& sink) {
    if (mark == ByteOrderMark::Include) sink(kUtf8ByteOrderMark);
    sink(RecordsCsvHeader());
    for (const CardRecord& record : records) sink(RecordCsvLine(record));
}

std::string RecordsCsv(const CardRecordList& records, ByteOrderMark mark) {
    std::string csv;
    RecordsCsv(records, mark, [&csv](std::string_view piece) { csv += piece; });
    return csv;
}

void RecordsJson(const CardRecordList& records, const ByteSink& sink) {
    // The layout of an indented QJsonDocument of the whole array, one object at a time:
    // each object's lines indented one step further, the objects parted by commas.
    if (records.empty()) {
        sink("[\n]\n");
        return;
    }
    sink("[\n");
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QByteArray object =
            QJsonDocument(RecordObject(records[i])).toJson(QJsonDocument::Indented);
        // Its text without the final LF; a string's line break is escaped, so every LF
        // starts a line of the layout.
        std::string piece = "    ";
        for (const char c :
             std::string_view(object.constData(), static_cast<std::size_t>(object.size() - 1))) {
            piece += c;
            if (c == '\n') piece += "    ";
        }
        piece += i + 1 < records.size() ? ",\n" : "\n";
        sink(piece);
    }
    sink("]\n");
}

std::string RecordsJson(const CardRecordList& records) {
    std::string json;
    RecordsJson(records, [&json](std::string_view piece) { json += piece; });
    return json;
}

std::string RecordJsonLine(const CardRecord& record) {
    return QJsonDocument(RecordObject(record)).toJson(QJsonDocument::Compact).toStdString() + "\n";
}
