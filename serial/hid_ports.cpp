#include "hid_ports.h"

#include <algorithm>
#include <charconv>

#include "link_keys.h"

std::vector<FoundPort> HidPortsFound(HidDevices& devices, uint16_t vendor, uint16_t product) {
    std::vector<HidDeviceInfo> found = devices.Find(vendor, product);
    std::sort(found.begin(), found.end(),
              [](const HidDeviceInfo& a, const HidDeviceInfo& b) { return a.path < b.path; });
    std::vector<FoundPort> ports;
    for (HidDeviceInfo& info : found) {
        FoundPort port;
        port.name = "HID" + std::to_string(ports.size() + 1);
        port.location = std::move(info.path);
        port.description = std::move(info.product);
        port.manufacturer = std::move(info.manufacturer);
        port.serialNumber = std::move(info.serialNumber);
        ports.push_back(std::move(port));
    }
    return ports;
}

std::optional<std::size_t> HidPortNumber(const std::string& name) {
    if (name.size() < 4) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((name[i] | 0x20) != "hid"[i]) return std::nullopt;
    }
    std::size_t number = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data() + 3, end, number);
    if (error != std::errc() || stop != end || number == 0) return std::nullopt;
    return number;
}

std::string NoHidDeviceReason(uint16_t vendor, uint16_t product) {
    return "no USB encoder " + UsbIdText(vendor) + ":" + UsbIdText(product) + " is plugged in";
}
