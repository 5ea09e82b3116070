#include "hid_link.h"

#include <algorithm>

#include "hid_ports.h"
#include "link_clock.h"

HidLink::HidLink(HidDevices& devices, uint16_t vendor, uint16_t product, SerialTimeouts timeouts)
    : devices_(devices),
      vendor_(vendor),
      product_(product),
      timeouts_(timeouts),
      portName_(kFirstHidPort) {}

std::string HidLink::FindDevicePath() {
    const auto number = HidPortNumber(portName_);
    if (!number) return portName_;
    const std::vector<FoundPort> ports = HidPortsFound(devices_, vendor_, product_);
    if (ports.empty()) {
        failureReason_ = NoHidDeviceReason(vendor_, product_);
    } else if (*number > ports.size()) {
        failureReason_ = portName_ + " is not plugged in: the USB encoders found are HID1 to " +
                         ports.back().name;
    } else {
        return ports[*number - 1].location;
    }
    return {};
}

void HidLink::Open() {
    // Reopened, the link starts as new: nothing of the old device or its messages is kept.
    Close();
    failureReason_.clear();
    broken_ = false;
    const std::string path = FindDevicePath();
    if (path.empty()) return;
    devicePath_ = path;
    std::string error;
    device_ = devices_.Open(path, error);
    if (!device_) failureReason_ = path + ": " + error;
}

void HidLink::MarkBroken(std::string reason) {
    if (broken_) return;
    broken_ = true;
    failureReason_ = std::move(reason);
}

void HidLink::MarkGone() {
    // The same kind of words as a serial line that hung up.
    MarkBroken("the device was unplugged or failed: " + device_->Error());
}

HidLink::ReportTaken HidLink::TakeReport(int milliseconds) {
    unsigned char report[kHidReportSize];
    const int length = device_->Read(report, sizeof report, milliseconds);
    if (length < 0) {
        MarkGone();
        return ReportTaken::Broke;
    }
    if (length == 0) return ReportTaken::None;
    switch (joiner_.Take(report, static_cast<std::size_t>(length))) {
        case ReplyJoiner::Outcome::Broken:
            MarkBroken("the device sent " + joiner_.Problem());
            return ReportTaken::Broke;
        case ReplyJoiner::Outcome::Complete:
            received_ += joiner_.TakeMessage();
            break;
        case ReplyJoiner::Outcome::Partial:
            break;
    }
    return ReportTaken::One;
}

int32_t HidLink::Read(unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    const auto deadline = ReadDeadline(timeouts_, count);
    int32_t done = 0;
    while (true) {
        const auto moved = std::min<std::size_t>(received_.size(), static_cast<std::size_t>(count - done));
        std::copy_n(received_.begin(), moved, buffer + done);
        received_.erase(0, moved);
        done += static_cast<int32_t>(moved);
        const int totalLeft = MillisecondsLeft(deadline);
        if (done == count || totalLeft == 0) return done;
        // Once bytes came, a pause as long as the interval without a report ends the
        // read, as on a line; a report that continues a message is no pause.
        const int wait = done > 0 ? std::min(timeouts_.readIntervalMs, totalLeft) : totalLeft;
        const ReportTaken taken = TakeReport(wait);
        if (taken == ReportTaken::Broke || (taken == ReportTaken::None && done > 0)) return done;
    }
}

int32_t HidLink::Write(const unsigned char* buffer, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    const std::string_view message(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    int32_t sent = 0;
    for (const HostReport& report : HostReports(message)) {
        if (device_->Write(report.data(), report.size()) < 0) {
            MarkGone();
            break;
        }
        sent += static_cast<int32_t>(PayloadCount(report));
    }
    return sent;
}

void HidLink::Close() {
    device_.reset();
    joiner_.Clear();
    received_.clear();
}
