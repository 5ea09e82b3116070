#include "port_listing.h"

#include <system_error>

#include "cardctl_text.h"
#include "hid_ports.h"
#include "port_list.h"
#include "port_name.h"

namespace {

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

std::string Description(const FoundPort& port) {
    if (port.inPortsFolder) return "-> " + port.location;
    std::string parts;
    for (const std::string& part : {port.description, port.manufacturer, port.serialNumber}) {
        if (!part.empty()) parts += (parts.empty() ? "" : ", ") + part;
    }
    return parts.empty() ? CardctlText::tr("(no description)").toStdString() : parts;
}

}  // namespace

std::string PortListing(const std::filesystem::path& portsDir) {
    std::string listing;
    for (int number = 1; number <= 4; ++number) {
        const std::string name = "COM" + std::to_string(number);
        const std::string device = ResolvePortName(name, portsDir);
        std::error_code error;
        // On Windows a COM name is no file, and the system's list below tells what is there.
#ifdef _WIN32
        const bool present = true;
#else
        const bool present = std::filesystem::exists(device, error);
#endif
        const std::string absent = " " + CardctlText::tr("(not present)").toStdString();
        listing += Padded(name, 8) + "-> " + device + (present ? "" : absent) + "\n";
    }
    for (const FoundPort& port : AvailablePorts(portsDir)) {
        const std::string name = port.inPortsFolder ? port.name : port.location;
        listing += Padded(name, 16) + Description(port) + "\n";
    }
    return listing;
}

std::string HidPortListing(const LinkKeys& keys, HidDevices& devices) {
    std::string listing;
    for (const FoundPort& port : HidPortsFound(devices, keys.usbVendor, keys.usbProduct)) {
        listing += Padded(port.name, 8) + Padded(port.location, 16) + Description(port) + "\n";
    }
    return listing;
}
