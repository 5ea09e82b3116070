#include "journal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "record_export.h"

namespace {

const std::string kStart = "\xEF\xBB\xBF" + RecordsCsvHeader();
const std::string kRow = "1,1,2024-03-01T09:30:00+08:00,write,2,,,12,ok,,\r\n";

std::string Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(none)";
    return file.readAll().toStdString();
}

void Put(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct OpenCase {
    const char* name;
    std::string before;  // "(none)": no file
    bool opens;
    std::string after;
    std::string torn;  // what the .torn file holds afterwards
};

// What Open makes of the file it finds, before anything is appended.
TEST(JournalOpen, BeginsMendsOrRefusesTheFileItFinds) {
    const std::string tornRow = "2,1,2024-03-01T09:31:00+08:00,write,2,,,\"a\r\nb";
    const OpenCase cases[] = {
        {"missing", "(none)", true, kStart, "(none)"},
        {"empty", "", true, kStart, "(none)"},
        {"whole rows", kStart + kRow, true, kStart + kRow, "(none)"},
        {"no byte-order mark", RecordsCsvHeader() + kRow, true, RecordsCsvHeader() + kRow, "(none)"},
        {"row torn inside a quote", kStart + kRow + tornRow, true, kStart + kRow, tornRow},
        {"header torn", kStart.substr(0, 10), true, kStart, kStart.substr(0, 10)},
        {"a card list", "track2\r\n12\r\n", false, "track2\r\n12\r\n", "(none)"},
    };
    for (const OpenCase& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("journal.csv");
        if (c.before != "(none)") Put(path, c.before);
        std::string error;
        bool notAJournal = false;
        const bool opened = Journal::Open(path, error, &notAJournal) != nullptr;
        EXPECT_EQ(opened, c.opens) << c.name << ": " << error;
        EXPECT_EQ(notAJournal, !c.opens) << c.name;
        EXPECT_EQ(Bytes(path), c.after) << c.name;
        EXPECT_EQ(Bytes(path + ".torn"), c.torn) << c.name;
    }
}

}  // namespace
