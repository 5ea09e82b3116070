#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The few calls of the HID library the HID link makes, so that a fake report device can
// stand in for the real one.

struct HidDeviceInfo {
    std::string path;  // where the system opens it: /dev/hidraw3, \\?\hid#vid_0801...
    std::string product;
    std::string manufacturer;
    std::string serialNumber;
};

// One opened device.
class HidReportDevice {
  public:
    virtual ~HidReportDevice() = default;
    // hid_write: `data` starts with the report id. The count written, or -1.
    virtual int Write(const unsigned char* data, std::size_t length) = 0;
    // hid_read_timeout: one report without a report id, 0 when none came within
    // `milliseconds`, or -1 when the device is gone.
    virtual int Read(unsigned char* data, std::size_t length, int milliseconds) = 0;
    // Why the last call failed, in words.
    virtual std::string Error() const = 0;
};

class HidDevices {
  public:
    virtual ~HidDevices() = default;
    // The devices present now with these USB ids.
    virtual std::vector<HidDeviceInfo> Find(uint16_t vendor, uint16_t product) = 0;
    // The device at `path`, or nothing with the reason in `error`.
    virtual std::unique_ptr<HidReportDevice> Open(const std::string& path, std::string& error) = 0;
};

// The system's devices, through the HID library.
HidDevices& SystemHidDevices();
