#include <hidapi.h>

#include <QString>
#include <mutex>

#include "hid_access.h"
#include "hid_devices.h"

namespace {

std::string Utf8(const wchar_t* text) {
    return text == nullptr ? std::string() : QString::fromWCharArray(text).toStdString();
}

class LibraryDevice final : public HidReportDevice {
  public:
    explicit LibraryDevice(hid_device* device) : device_(device) {}
    ~LibraryDevice() override { hid_close(device_); }
    LibraryDevice(const LibraryDevice&) = delete;
    LibraryDevice& operator=(const LibraryDevice&) = delete;

    int Write(const unsigned char* data, std::size_t length) override {
        return hid_write(device_, data, length);
    }
    int Read(unsigned char* data, std::size_t length, int milliseconds) override {
        return hid_read_timeout(device_, data, length, milliseconds);
    }
    std::string Error() const override { return Utf8(hid_error(device_)); }

  private:
    hid_device* device_;
};

class LibraryDevices final : public HidDevices {
  public:
    std::vector<HidDeviceInfo> Find(uint16_t vendor, uint16_t product) override {
        std::vector<HidDeviceInfo> found;
        hid_device_info* list = hid_enumerate(vendor, product);
        for (const hid_device_info* info = list; info != nullptr; info = info->next) {
            found.push_back({info->path == nullptr ? std::string() : info->path,
                             Utf8(info->product_string), Utf8(info->manufacturer_string),
                             Utf8(info->serial_number)});
        }
        hid_free_enumeration(list);
        return found;
    }

    std::unique_ptr<HidReportDevice> Open(const std::string& path, std::string& error) override {
        if (hid_device* device = hid_open_path(path.c_str())) {
            return std::make_unique<LibraryDevice>(device);
        }
        error = HidOpenFailure(path, Utf8(hid_error(nullptr)));
        return nullptr;
    }
};

}  // namespace

HidDevices& SystemHidDevices() {
    // The library's one-time set-up is not safe to race; the window lists devices on
    // its own thread while a job opens one on the worker's.
    static std::once_flag once;
    std::call_once(once, [] { hid_init(); });
    static LibraryDevices devices;
    return devices;
}
