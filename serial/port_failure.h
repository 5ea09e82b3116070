#pragma once

#include <string>

class QSerialPort;

// Why a port failed, in words the operator can act on. QSerialPort's own texts mislead
// in two places: it calls every refused open a permission error, and after the device end
// closed it reports whatever error an earlier system call left behind.

// Why `port` could not open the device at `location`.
std::string OpenFailureReason(const QSerialPort& port, const std::string& location);

// Why the open `port` stopped moving bytes.
std::string BrokenLineReason(const QSerialPort& port);
