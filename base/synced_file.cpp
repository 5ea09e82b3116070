#include "synced_file.h"

#include <cerrno>
#include <cstring>

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

// Opened here rather than by QFile, whose Windows handle is not one the C library can
// sync; -1 with errno set on failure.
int OpenForAppend(const QString& path) {
#ifdef _WIN32
    return _wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                  _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                  0666);
#endif
}

// Past the system's cache, onto the disk itself.
bool SyncToDisk(int fd) {
#ifdef _WIN32
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

}  // namespace

std::optional<std::string> SyncedAppendFile::Open(const QString& path) {
    path_ = path;
    const int fd = OpenForAppend(path);
    if (fd < 0) return CannotWriteFile(path, std::strerror(errno));
    if (!file_.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        return CannotWriteFile(path, file_.errorString().toStdString());
    }
    return std::nullopt;
}

std::optional<std::string> SyncedAppendFile::Append(std::string_view bytes) {
    if (!file_.isOpen()) return std::nullopt;
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
