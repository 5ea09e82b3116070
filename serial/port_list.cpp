#include "port_list.h"

#include <QSerialPortInfo>
#include <system_error>

namespace {

// Links are how ports get their names outside Windows.
std::vector<FoundPort> PosixPortFolderLinks(const std::filesystem::path& portsDir) {
    std::vector<FoundPort> ports;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(portsDir, error)) {
        // A link whose device has gone (a simulator that ended) is no port.
        const auto target = std::filesystem::canonical(entry.path(), error);
        if (error) continue;
        ports.push_back({entry.path().filename().string(), target.string(), {}, {}, {}, true});
    }
    return ports;
}

}  // namespace

std::vector<FoundPort> SystemPorts() {
    std::vector<FoundPort> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        ports.push_back({port.portName().toStdString(), port.systemLocation().toStdString(),
                         port.description().toStdString(), port.manufacturer().toStdString(),
                         port.serialNumber().toStdString(), false});
    }
    return ports;
}

std::vector<FoundPort> PortFolderLinks(const std::filesystem::path& portsDir) {
    return PosixPortFolderLinks(portsDir);
}

std::vector<FoundPort> AvailablePorts(const std::filesystem::path& portsDir) {
    std::vector<FoundPort> ports = SystemPorts();
    const std::vector<FoundPort> links = PortFolderLinks(portsDir);
    ports.insert(ports.end(), links.begin(), links.end());
    return ports;
}
