#include "journal.h"

#include <cerrno>
#include <cstring>

#include "record_export.h"
#include "whole_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The file descriptor of a file opened for appending, created when missing; -1 with errno
// set on failure. Opened here rather than by QFile, whose Windows handle is not one the C
// library can sync.
int OpenForAppend(const QString& path) {
#ifdef _WIN32
    return _wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                  _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                  0666);
#endif
}

// Hands what was written to the disk itself, past the system's cache.
bool SyncToDisk(int fd) {
#ifdef _WIN32
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

// The file's last byte, or nothing when it is empty or cannot be read.
std::optional<char> LastByte(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return std::nullopt;
    char byte = 0;
    if (file.read(&byte, 1) != 1) return std::nullopt;
    return byte;
}

}  // namespace

std::unique_ptr<Journal> Journal::Open(const QString& path, std::string& error) {
    std::unique_ptr<Journal> journal(new Journal(path));
    const int fd = OpenForAppend(path);
    if (fd < 0) {
        error = CannotWriteFile(path, std::strerror(errno));
        return nullptr;
    }
    QFile& file = journal->file_;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        error = CannotWriteFile(path, file.errorString().toStdString());
        return nullptr;
    }
    std::optional<std::string> failure;
    if (file.size() == 0) {
        failure = journal->Write(RecordsCsv({}));
    } else if (LastByte(path) != '\n') {
        failure = journal->Write("\r\n");
    }
    if (failure) {
        error = *failure;
        return nullptr;
    }
    return journal;
}

std::optional<std::string> Journal::Append(const CardRecord& record) {
    if (!file_.isOpen()) return std::nullopt;
    return Write(RecordCsvLine(record));
}

std::optional<std::string> Journal::Write(std::string_view bytes) {
    bool written = true;
    while (written && !bytes.empty()) {
        const qint64 count = file_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        written = count > 0;
        if (written) bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    QString reason = file_.errorString();
    if (written && !SyncToDisk(file_.handle())) {
        written = false;
        reason = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (written) return std::nullopt;
    file_.close();
    return CannotWriteFile(path_, reason.toStdString());
}
