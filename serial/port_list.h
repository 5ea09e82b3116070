#pragma once

#include <filesystem>
#include <vector>

#include "system_ports.h"

// A port to offer the operator: one the system reports, or a name of the `ports` folder,
// whose location is the device it leads to.
struct FoundPort : SystemPort {
    bool inPortsFolder = false;
};

// The system's serial ports (system_ports.h).
std::vector<FoundPort> SystemPortsFound();

// The names in the `ports` folder that lead to something now (a link such as
// ports/COM1 -> /dev/ttyUSB0 or to a simulator's terminal).
std::vector<FoundPort> PortFolderLinks(const std::filesystem::path& portsDir);

// The system's ports, then the folder's links.
std::vector<FoundPort> AvailablePorts(const std::filesystem::path& portsDir);
