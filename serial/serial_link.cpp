#include "serial_link.h"

#include <QSerialPort>
#include <algorithm>
#include <chrono>

#include "line_settings.h"
#include "port_failure.h"

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(0, left));
}

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

SerialLink::SerialLink(SerialTimeouts timeouts, std::filesystem::path portsDirectory)
    : timeouts_(timeouts), portsDirectory_(std::move(portsDirectory)) {}

SerialLink::~SerialLink() = default;

bool SerialLink::IsOpen() const {
    return port_ && port_->isOpen() && !broken_;
}

void SerialLink::Open() {
    const std::string location = ResolvePortName(portName_, portsDirectory_);
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QString::fromStdString(location));
    if (!port_->open(QIODevice::ReadWrite)) {
        failureReason_ = location + ": " + OpenFailureReason(*port_, location);
        port_.reset();
        return;
    }
    ApplySettings();
    // The driver's input queue of the original design; output has no queue to size here.
    port_->setReadBufferSize(4096);
}

void SerialLink::ApplySettings() {
    port_->setFlowControl(QSerialPort::NoFlowControl);
    const auto settings = ParseLineSettings(settings_);
    if (!settings) return;
    if (settings->baudRate) port_->setBaudRate(*settings->baudRate);
    if (settings->parity) port_->setParity(ToQt(*settings->parity));
    if (settings->dataBits)
        port_->setDataBits(static_cast<QSerialPort::DataBits>(*settings->dataBits));
    if (settings->stopBits) port_->setStopBits(ToQt(*settings->stopBits));
    port_->clearError();
}

void SerialLink::MarkBroken() {
    if (broken_) return;
    broken_ = true;
    failureReason_ = BrokenLineReason(*port_);
}

int32_t SerialLink::Read(unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(int64_t{count} * timeouts_.readTotalMultiplierMs +
                                                 timeouts_.readTotalConstantMs);
    int32_t received = 0;
    while (true) {
        const qint64 n = port_->read(reinterpret_cast<char*>(buffer) + received, count - received);
        if (n < 0) {
            MarkBroken();
            return received;
        }
        received += static_cast<int32_t>(n);
        const int totalLeft = MillisecondsLeft(deadline);
        if (received == count || totalLeft == 0) return received;
        const int wait = received > 0 ? std::min(timeouts_.readIntervalMs, totalLeft) : totalLeft;
        if (!port_->waitForReadyRead(wait)) {
            if (IsFatal(port_->error())) {
                MarkBroken();
                return received;
            }
            port_->clearError();
            if (received > 0) return received;
        }
    }
}

int32_t SerialLink::Write(const unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(int64_t{count} * timeouts_.writeTotalMultiplierMs +
                                                 timeouts_.writeTotalConstantMs);
    if (port_->write(reinterpret_cast<const char*>(buffer), count) < 0) {
        MarkBroken();
        return 0;
    }
    while (port_->bytesToWrite() > 0) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0 || !port_->waitForBytesWritten(left)) {
            if (IsFatal(port_->error())) MarkBroken();
            break;
        }
    }
    const auto unsent = static_cast<int32_t>(port_->bytesToWrite());
    if (unsent > 0) {
        // A timed-out write is over: what did not leave is dropped, not sent later.
        port_->clear(QSerialPort::Output);
        port_->clearError();
    }
    return count - unsent;
}

void SerialLink::Close() {
    if (port_) port_->close();
}
