#include "record_export.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "export_file.h"
#include "golden.h"

namespace {

CardRecord Record(int job, int card, const char* time, CardKind kind, TrackSet tracks,
                  std::array<TrackResult, kTrackCount> results) {
    return {job, card, time, kind, tracks, std::move(results)};
}

// A read with a failed track, a write of Chinese text with a comma, a written pair with
// quotes and a line break that the device did not confirm.
CardRecordList SampleRecords() {
    constexpr TrackStatus ok = TrackStatus::Ok;
    constexpr TrackStatus failed = TrackStatus::Failed;
    return {Record(1, 1, "2024-03-01T09:30:00+08:00", CardKind::Read, TrackSet::Track23,
                   {{{}, {"6011000099990001=30011010000000000", ok}, {"", failed}}}),
            Record(2, 1, "2024-03-01T09:31:15+08:00", CardKind::Write, TrackSet::Track1,
                   {{{"%B6011^\xD5\xC5\xC8\xFD,MR^2512?", ok}, {}, {}}}),
            Record(2, 2, "2024-03-01T09:31:20+08:00", CardKind::Write, TrackSet::Track12,
                   {{{"SAY \"HI\"", failed}, {"1234\r\n5678", failed}, {}}})};
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

#ifndef _WIN32
std::string Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
    return file.readAll().toStdString();
}

// A missing folder, and a disk that fills up half-way (the system refuses to let files
// grow past a size): the old file stays whole and no temporary file is left. The size limit
// and the system's texts are POSIX ones.
TEST(WriteFileWhole, ReplacesTheFileOrLeavesItAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    ASSERT_EQ(WriteFileWhole(path, "old"), std::nullopt);
    const QString nowhere = dir.filePath(QStringLiteral("missing/records.csv"));
    EXPECT_EQ(WriteFileWhole(nowhere, "x"),
              nowhere.toStdString() + ": 无法写入：No such file or directory");

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::optional<std::string> error = WriteFileWhole(path, std::string(1024 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, path.toStdString() + ": 无法写入：File too large");
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("records.csv")});

    ASSERT_EQ(WriteFileWhole(path, "new"), std::nullopt);
    EXPECT_EQ(Contents(path), "new");
}
#endif

}  // namespace
