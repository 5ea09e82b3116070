#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device_link.h"
#include "hid_devices.h"
#include "hid_reports.h"

// The encoder on USB HID as a device link: each write one message in reports
// (hid_reports.h), reads the joined messages as one stream of bytes with the serial
// time-outs' meaning. A port name HIDn is the n-th device with the USB ids found now
// (hid_ports.h); any other name is a system path.
class HidLink : public DeviceLink {
  public:
    HidLink(HidDevices& devices, uint16_t vendor, uint16_t product, SerialTimeouts timeouts = {});

    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    void SetPortName(std::string name) { portName_ = std::move(name); }
    const std::string& PortName() const override { return portName_; }
    // The device opened last; the name itself before that.
    std::string DevicePath() const override {
        return devicePath_.empty() ? portName_ : devicePath_;
    }

    void Open() override;
    int32_t Read(unsigned char* buffer, int32_t count) override;
    // Writes are not timed: the report goes out whole or the device is gone.
    int32_t Write(const unsigned char* buffer, int32_t count) override;
    void Close() override;

    bool IsOpen() const override { return device_ && !broken_; }
    bool IsBroken() const override { return broken_; }
    const std::string& FailureReason() const override { return failureReason_; }

  private:
    // The system path the port name leads to; empty with failureReason_ set when none.
    std::string FindDevicePath();
    void MarkBroken(std::string reason);
    void MarkGone();
    enum class ReportTaken { None, One, Broke };
    // Waits up to `milliseconds` for one report and joins it.
    ReportTaken TakeReport(int milliseconds);

    HidDevices& devices_;
    uint16_t vendor_;
    uint16_t product_;
    SerialTimeouts timeouts_;
    std::string portName_;
    std::string devicePath_;
    std::unique_ptr<HidReportDevice> device_;
    ReplyJoiner joiner_;
    // Bytes of whole messages the job has not read yet.
    std::string received_;
    bool broken_ = false;
    std::string failureReason_;
};
