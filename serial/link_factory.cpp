#include "link_factory.h"

#include "hid_link.h"
#include "hid_ports.h"
#include "serial_link.h"

std::unique_ptr<DeviceLink> MakeDeviceLink(const LinkKeys& keys, const std::string& portName,
                                           const std::string& lineSettings,
                                           const SerialTimeouts& timeouts,
                                           HidDevices& hidDevices) {
    if (keys.link == LinkKeys::Link::Hid) {
        auto link = std::make_unique<HidLink>(hidDevices, keys.usbVendor, keys.usbProduct, timeouts);
        link->SetPortName(portName);
        return link;
    }
    auto link = std::make_unique<SerialLink>(timeouts);
    link->SetPortName(portName);
    link->SetSettings(lineSettings);
    return link;
}

std::string DefaultPortName(const LinkKeys& keys) {
    return keys.link == LinkKeys::Link::Hid ? kFirstHidPort : SerialLink::kDefaultPortName;
}

std::vector<FoundPort> PortsToOffer(const LinkKeys& keys, const std::filesystem::path& portsDir,
                                    HidDevices& hidDevices) {
    if (keys.link == LinkKeys::Link::Hid) {
        return HidPortsFound(hidDevices, keys.usbVendor, keys.usbProduct);
    }
    return AvailablePorts(portsDir);
}
