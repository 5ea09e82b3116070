#include "port_failure.h"

#include <QSerialPort>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::string OpenFailureReason(const QSerialPort& port, const std::string& location) {
    if (port.error() != QSerialPort::PermissionError) return port.errorString().toStdString();
    // A lock file another program holds and a device refusing a second exclusive open
    // (EBUSY) come as permission errors too; only the device node says whether the user
    // may open it at all.
    if (faccessat(AT_FDCWD, location.c_str(), R_OK | W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        return std::string(std::strerror(EACCES)) +
               " - the user may need to join the 'dialout' group";
    }
    return "in use by another program";
}

std::string BrokenLineReason(const QSerialPort& port) {
    // A hung-up line (the device end closed, or the device was unplugged) reads end-of-file,
    // which sets no error of its own.
    pollfd line{static_cast<int>(port.handle()), POLLIN, 0};
    if (poll(&line, 1, 0) > 0 && (line.revents & POLLHUP) != 0) {
        return "the device closed the line or was unplugged";
    }
    return port.errorString().toStdString();
}
