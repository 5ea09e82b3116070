#include "record_export.h"

#include <QByteArray>
#include <QJsonArray>
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
};

const TrackKeys& KeysOf(int track) {
    static const TrackKeys keys[kTrackCount] = {
        {QStringLiteral("track1"), QStringLiteral("track1_status"), QStringLiteral("track1_hex")},
        {QStringLiteral("track2"), QStringLiteral("track2_status"), QStringLiteral("track2_hex")},
        {QStringLiteral("track3"), QStringLiteral("track3_status"), QStringLiteral("track3_hex")},
    };
    return keys[track - 1];
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonObject RecordObject(const CardRecord& record) {
    QJsonObject object{
        {QStringLiteral("job"), record.job},
        {QStringLiteral("card"), record.card},
        {QStringLiteral("time"), QString::fromStdString(record.time)},
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
        const TrackResult& result = record.results[track - 1];
        object.insert(keys.text, GbkToText(result.bytes));
        object.insert(keys.status, Latin1(TrackStatusName(result.status)));
        object.insert(keys.hex,
                      QString::fromLatin1(QByteArray::fromStdString(result.bytes).toHex()));
    }
    return object;
}

}  // namespace

std::string RecordsCsvHeader() {
    return "job,card,time,kind,tracks,track1,track1_status,track2,track2_status,track3,"
           "track3_status\r\n";
}

std::string RecordCsvLine(const CardRecord& record) {
    std::vector<std::string> fields{std::to_string(record.job), std::to_string(record.card),
                                    record.time, std::string(CardKindName(record.kind)),
                                    std::string(TrackSetCode(record.tracks))};
    for (int track = 1; track <= kTrackCount; ++track) {
        const bool used = HasTrack(record.tracks, track);
        const TrackResult& result = record.results[track - 1];
        fields.push_back(used ? GuardedCell(GbkToText(result.bytes).toStdString()) : std::string());
        fields.push_back(used ? std::string(TrackStatusName(result.status)) : std::string());
    }
    return CsvLine(fields);
}

std::string RecordsCsv(const CardRecordList& records, ByteOrderMark mark) {
    std::string csv = mark == ByteOrderMark::Include ? "\xEF\xBB\xBF" : "";
    csv += RecordsCsvHeader();
    for (const CardRecord& record : records) csv += RecordCsvLine(record);
    return csv;
}

std::string RecordsJson(const CardRecordList& records) {
    QJsonArray array;
    for (const CardRecord& record : records) array.append(RecordObject(record));
    return QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

std::string RecordJsonLine(const CardRecord& record) {
    return QJsonDocument(RecordObject(record)).toJson(QJsonDocument::Compact).toStdString() + "\n";
}
