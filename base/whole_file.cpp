#include "whole_file.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

// Unbuffered, and written until every byte is in: a buffered QSaveFile can take a short
// write for success, and only the failing call after a short write names the reason.
bool WriteAll(QSaveFile& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

struct WholeFileText {
    Q_DECLARE_TR_FUNCTIONS(WholeFileText)
};

std::string CannotWriteFile(const QString& path, std::string_view reason) {
    return WholeFileText::tr("%1: 无法写入：%2")
        .arg(path, QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size())))
        .toStdString();
}

std::optional<std::string> WriteFileWhole(const QString& path, std::string_view bytes) {
    return WriteFileWhole(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

std::optional<std::string> WriteFileWhole(const QString& path,
                                          const std::function<void(const ByteSink&)>& produce) {
    // Pieces are gathered up to this size, so that a file of many small pieces takes few
    // writes.
    constexpr std::size_t kChunk = 64 * 1024;
    QSaveFile file(path);
    bool good = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    std::string pending;
    produce([&](std::string_view piece) {
        if (!good) return;
        pending.append(piece);
        if (pending.size() < kChunk) return;
        good = WriteAll(file, pending);
        pending.clear();
    });
    if (good && WriteAll(file, pending) && file.commit()) return std::nullopt;
    return CannotWriteFile(path, file.errorString().toStdString());
}
