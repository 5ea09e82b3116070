#include "golden.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString GoldenPath(const std::string& name) {
    return QDir(QStringLiteral(GOLDEN_DIR)).filePath(QString::fromStdString(name));
}

bool WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

std::string Diff(const QString& expectedPath, const std::string& actual) {
    QTemporaryDir dir;
    const QString actualPath = dir.filePath(QStringLiteral("actual"));
    if (!WriteBytes(actualPath, actual)) return "(could not write the actual output)";
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), expectedPath, actualPath});
    diff.waitForFinished();
    return diff.readAllStandardOutput().toStdString();
}

}  // namespace

::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& name) {
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("UPDATE_GOLDEN") == 1) {
        if (WriteBytes(path, actual)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "no golden file " << path.toStdString();
    if (file.readAll().toStdString() == actual) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs:\n" << Diff(path, actual);
}
