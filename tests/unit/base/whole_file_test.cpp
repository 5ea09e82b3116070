#include "whole_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

namespace {

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
