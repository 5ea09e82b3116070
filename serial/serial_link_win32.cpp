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

struct SerialLink::Device {
    HANDLE handle = INVALID_HANDLE_VALUE;
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
    device_ = std::make_unique<Device>();
    device_->handle = handle;
    ApplySettings();
}

void SerialLink::ApplySettings() {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(device_->handle, &dcb);
    // A text the system cannot read leaves the line as it was; a half-read one must not
    // half-change it.
    DCB built = dcb;
    if (BuildCommDCBW(QString::fromStdString(settings_).toStdWString().c_str(), &built)) dcb = built;
    SwitchFlowControlOff(dcb);
    SetCommState(device_->handle, &dcb);
    SetupComm(device_->handle, 4096, 1024);
    COMMTIMEOUTS windowsTimeouts{};
    windowsTimeouts.ReadIntervalTimeout = static_cast<DWORD>(timeouts_.readIntervalMs);
    windowsTimeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.readTotalMultiplierMs);
    windowsTimeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(timeouts_.readTotalConstantMs);
    windowsTimeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(timeouts_.writeTotalMultiplierMs);
    windowsTimeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(timeouts_.writeTotalConstantMs);
    SetCommTimeouts(device_->handle, &windowsTimeouts);
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
    if (!device_) return;
    CloseHandle(device_->handle);
    device_.reset();
}
