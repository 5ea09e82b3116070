#include "serial_link.h"

#include <QSerialPort>
#include <algorithm>
#include <chrono>

#include "line_settings.h"
#include "link_clock.h"
#include "port_failure.h"

namespace {

QSerialPort::Parity ToQt(LineSettings::Parity parity) {
    switch (parity) {
        case LineSettings::Parity::Even:
            return QSerialPort::EvenParity;
        case LineSettings::Parity::Odd:
            return QSerialPort::OddParity;
        case LineSettings::Parity::Mark:
            return QSerialPort::MarkParity;
        case LineSettings::Parity::Space:
            return QSerialPort::SpaceParity;
        case LineSettings::Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(LineSettings::StopBits bits) {
    switch (bits) {
        case LineSettings::StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case LineSettings::StopBits::Two:
            return QSerialPort::TwoStop;
        case LineSettings::StopBits::One:
            break;
    }
    return QSerialPort::OneStop;
}

// A time-out is the normal end of a short read; anything else means the port is gone.
bool IsFatal(QSerialPort::SerialPortError error) {
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

}  // namespace

struct SerialLink::Device {
    QSerialPort port;
};

SerialLink::SerialLink(SerialTimeouts timeouts, std::filesystem::path portsDirectory)
    : timeouts_(timeouts), portsDirectory_(std::move(portsDirectory)) {}

SerialLink::~SerialLink() = default;

bool SerialLink::IsOpen() const {
    return device_ && device_->port.isOpen() && !broken_;
}

void SerialLink::Open() {
    const std::string location = ResolvePortName(portName_, portsDirectory_);
    device_ = std::make_unique<Device>();
    device_->port.setPortName(QString::fromStdString(location));
    if (!device_->port.open(QIODevice::ReadWrite)) {
        failureReason_ = location + ": " + OpenFailureReason(device_->port, location);
        device_.reset();
        return;
    }
    ApplySettings();
    // The driver's input queue of the original design; output has no queue to size here.
    device_->port.setReadBufferSize(4096);
}

void SerialLink::ApplySettings() {
    QSerialPort& port = device_->port;
    port.setFlowControl(QSerialPort::NoFlowControl);
    const auto settings = ParseLineSettings(settings_);
    if (!settings) return;
    if (settings->baudRate) port.setBaudRate(*settings->baudRate);
    if (settings->parity) port.setParity(ToQt(*settings->parity));
    if (settings->dataBits)
        port.setDataBits(static_cast<QSerialPort::DataBits>(*settings->dataBits));
    if (settings->stopBits) port.setStopBits(ToQt(*settings->stopBits));
    port.clearError();
}

void SerialLink::MarkBroken() {
    if (broken_) return;
    broken_ = true;
    failureReason_ = BrokenLineReason(device_->port);
}

int32_t SerialLink::Read(unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    QSerialPort& port = device_->port;
    const auto deadline = ReadDeadline(timeouts_, count);
    int32_t received = 0;
    while (true) {
        const qint64 n = port.read(reinterpret_cast<char*>(buffer) + received, count - received);
        if (n < 0) {
            MarkBroken();
            return received;
        }
        received += static_cast<int32_t>(n);
        const int totalLeft = MillisecondsLeft(deadline);
        if (received == count || totalLeft == 0) return received;
        const int wait = received > 0 ? std::min(timeouts_.readIntervalMs, totalLeft) : totalLeft;
        if (!port.waitForReadyRead(wait)) {
            if (IsFatal(port.error())) {
                MarkBroken();
                return received;
            }
            port.clearError();
            if (received > 0) return received;
        }
    }
}

int32_t SerialLink::Write(const unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    QSerialPort& port = device_->port;
    const auto deadline =
        LinkClock::now() + std::chrono::milliseconds(int64_t{count} * timeouts_.writeTotalMultiplierMs +
                                                 timeouts_.writeTotalConstantMs);
    if (port.write(reinterpret_cast<const char*>(buffer), count) < 0) {
        MarkBroken();
        return 0;
    }
    while (port.bytesToWrite() > 0) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0 || !port.waitForBytesWritten(left)) {
            if (IsFatal(port.error())) MarkBroken();
            break;
        }
    }
    const auto unsent = static_cast<int32_t>(port.bytesToWrite());
    if (unsent > 0) {
        // A timed-out write is over: what did not leave is dropped, not sent later.
        port.clear(QSerialPort::Output);
        port.clearError();
    }
    return count - unsent;
}

void SerialLink::Close() {
    if (device_) device_->port.close();
}
