#include "port_list.h"

#include <system_error>

std::vector<FoundPort> SystemPortsFound() {
    std::vector<FoundPort> ports;
    for (SystemPort& port : SystemSerialPorts()) ports.push_back({std::move(port), false});
    return ports;
}

std::vector<FoundPort> PortFolderLinks(const std::filesystem::path& portsDir) {
    std::vector<FoundPort> ports;
#ifdef _WIN32
    // Windows names its ports itself: a port opens by its name, never through the folder.
    (void)portsDir;
#else
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(portsDir, error)) {
        // A link whose device has gone (a simulator that ended) is no port.
        const auto target = std::filesystem::canonical(entry.path(), error);
        if (error) continue;
        FoundPort port;
        port.name = entry.path().filename().string();
        port.location = target.string();
        port.inPortsFolder = true;
        ports.push_back(std::move(port));
    }
#endif
    return ports;
}

std::vector<FoundPort> AvailablePorts(const std::filesystem::path& portsDir) {
    std::vector<FoundPort> ports = SystemPortsFound();
    const std::vector<FoundPort> links = PortFolderLinks(portsDir);
    ports.insert(ports.end(), links.begin(), links.end());
    return ports;
}
