#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A port to offer the operator, with what is known about it.
struct FoundPort {
    std::string name;      // as the port box and cardctl --port take it
    std::string location;  // the device it reaches
    // What the system says about it, each part non-empty.
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
    bool inPortsFolder = false;
};

// The serial ports the system reports now.
std::vector<FoundPort> SystemPorts();

// The names in the `ports` folder that lead to something now (a link such as
// ports/COM1 -> /dev/ttyUSB0 or to a simulator's terminal).
std::vector<FoundPort> PortFolderLinks(const std::filesystem::path& portsDir);

// The system's ports, then the folder's links.
std::vector<FoundPort> AvailablePorts(const std::filesystem::path& portsDir);
