#include "record_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "golden.h"
#include "journal.h"

namespace {

CardRecord Record(int job, int card, const char* time, CardKind kind, TrackSet tracks,
                  std::array<TrackResult, kTrackCount> results) {
    return {job, card, time, kind, tracks, std::move(results)};
}

// A read with a failed track, a write of Chinese text with a comma, a written pair with
// quotes and a line break that the device did not confirm, the fifth row of a list; a card
// that read back other bytes on one track and nothing on the other.
CardRecordList SampleRecords() {
    constexpr TrackStatus ok = TrackStatus::Ok;
    constexpr TrackStatus failed = TrackStatus::Failed;
    CardRecordList records{
        Record(1, 1, "2024-03-01T09:30:00+08:00", CardKind::Read, TrackSet::Track23,
               {{{}, {"6011000099990001=30011010000000000", ok}, {"", failed}}}),
        Record(2, 1, "2024-03-01T09:31:15+08:00", CardKind::Write, TrackSet::Track1,
               {{{"%B6011^\xD5\xC5\xC8\xFD,MR^2512?", ok}, {}, {}}}),
        Record(2, 2, "2024-03-01T09:31:20+08:00", CardKind::Write, TrackSet::Track12,
               {{{"SAY \"HI\"", failed}, {"1234\r\n5678", failed}, {}}}),
        Record(2, 3, "2024-03-01T09:31:25+08:00", CardKind::Write, TrackSet::Track23,
               {{{}, {"1234", TrackStatus::VerifyFailed, "12=4"}, {"99", TrackStatus::VerifyFailed}}})};
    records[2].row = 5;
    return records;
}

TEST(RecordExport, FormatsMatchTheGoldenFiles) {
    const CardRecordList records = SampleRecords();
    EXPECT_TRUE(MatchesGolden(RecordsCsv(records), "records.csv"));
    EXPECT_TRUE(MatchesGolden(RecordsJson(records), "records.json"));
    std::string lines;
    for (const CardRecord& record : records) lines += RecordJsonLine(record);
    EXPECT_TRUE(MatchesGolden(lines, "records.jsonl"));
    EXPECT_EQ("\xEF\xBB\xBF" + RecordsCsv(records, ByteOrderMark::Omit), RecordsCsv(records));
}

// A journal begun before records had a `row` column goes on without it, so that its rows
// stay under their header's names.
TEST(RecordExport, AJournalGoesOnInTheLayoutItBeganIn) {
    const CardRecord record = SampleRecords()[2];
    for (const RecordsLayout layout : {RecordsLayout::WithRow, RecordsLayout::WithoutRow}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.csv"));
        const std::string start = "\xEF\xBB\xBF" + RecordsCsvHeader(layout);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(start.data(), static_cast<qint64>(start.size()));
        file.close();
        std::string error;
        ASSERT_TRUE(Journal::Open(path, error)) << error;
        EXPECT_FALSE(Journal::Open(path, error)->Append(record));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), start + RecordCsvLine(record, layout));
    }
}

TEST(RecordExport, TimesCarryTheirOffset) {
    const QDate date(2024, 3, 1);
    const QTime time(9, 30, 5);
    struct Case {
        int offsetSeconds;
        const char* expected;
    } cases[] = {
        {8 * 3600, "2024-03-01T09:30:05+08:00"},
        {-(3 * 3600 + 30 * 60), "2024-03-01T09:30:05-03:30"},
        {0, "2024-03-01T09:30:05+00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsoLocalTime(QDateTime(date, time, Qt::OffsetFromUTC, c.offsetSeconds)),
                  c.expected);
}

}  // namespace
