#include <windows.h>

#include <QString>

#include "serial_link.h"
#include "system_message.h"

namespace {

// Every kind of flow control off: a port may come with XON/XOFF on (a fresh pseudo-terminal
// under Wine does, and BuildCommDCB leaves it so), and then 0x11 and 0x13 vanish from
// card data.
void SwitchFlowControlOff(DCB& dcb) {
    dcb.fBinary = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    // A line error would otherwise stop every read until the error is cleared.
    dcb.fAbortOnError = FALSE;
}

}  // namespace

// The open port's handle, closed when the device goes, whichever way it goes.
struct SerialLink::Device {
    explicit Device(HANDLE opened) : handle(opened) {}
    ~Device() { CloseHandle(handle); }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    HANDLE handle;
};

SerialLink::SerialLink(SerialTimeouts timeouts, std::filesystem::path portsDirectory)
    : timeouts_(timeouts), portsDirectory_(std::move(portsDirectory)) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::IsOpen() const {
    return device_ && !broken_;
}

void SerialLink::Open() {
    // A second open lets go of the first port before taking one.
    Close();
    broken_ = false;
    failureReason_.clear();
    const std::string location = ResolvePortName(portName_, portsDirectory_);
    const HANDLE handle =
        CreateFileW(QString::fromStdString(location).toStdWString().c_str(),
                    GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        failureReason_ = location + ": " + (held ? "in use by another program" : SystemMessage(error));
        return;
    }
    device_ = std::make_unique<Device>(handle);
    // A port whose set-up failed would read at a wrong speed, or wait for ever without its
    // time-outs: it is closed, and the job ends as on a port that would not open.
    ApplySettings();
    if (failureReason_.empty()) return;
    failureReason_ = location + ": " + failureReason_;
    device_.reset();
}

void SerialLink::ApplySettings() {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    const HANDLE handle = device_->handle;
    if (!GetCommState(handle, &dcb)) {
        failureReason_ = SystemMessage(GetLastError());
        return;
    }
    if (!BuildCommDCBW(QString::fromStdString(settings_).toStdWString().c_str(), &dcb)) {
        failureReason_ =
            "the line settings \"" + settings_ + "\" cannot be read: " + SystemMessage(GetLastError());
        return;
    }
    SwitchFlowControlOff(dcb);
    COMMTIMEOUTS windowsTimeouts{};
    windowsTimeouts.ReadIntervalTimeout = static_cast<DWORD>(timeouts_.readIntervalMs);
    windowsTimeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.readTotalMultiplierMs);
    windowsTimeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(timeouts_.readTotalConstantMs);
    windowsTimeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.writeTotalMultiplierMs);
    windowsTimeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(timeouts_.writeTotalConstantMs);
    if (!SetCommState(handle, &dcb)) {
        failureReason_ = "the line settings \"" + settings_ + "\" were refused: " +
                         SystemMessage(GetLastError());
    } else if (!SetupComm(handle, 4096, 1024) || !SetCommTimeouts(handle, &windowsTimeouts)) {
        failureReason_ = SystemMessage(GetLastError());
    }
}

void SerialLink::MarkBroken() {
    if (broken_) return;
    broken_ = true;
    failureReason_ = SystemMessage(GetLastError());
}

int32_t SerialLink::Read(unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    DWORD received = 0;
    if (!ReadFile(device_->handle, buffer, static_cast<DWORD>(count), &received, nullptr)) {
        MarkBroken();
    }
    return static_cast<int32_t>(received);
}

int32_t SerialLink::Write(const unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    DWORD written = 0;
    if (!WriteFile(device_->handle, buffer, static_cast<DWORD>(count), &written, nullptr)) {
        MarkBroken();
    }
    return static_cast<int32_t>(written);
}

void SerialLink::Close() {
    device_.reset();
}
