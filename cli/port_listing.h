#pragma once

#include <filesystem>
#include <string>

// What `cardctl ports` prints: COM1 to COM4 with the device each name reaches (by the
// console's rules, `portsDir` being the ports folder beside the program), then every
// serial port the system reports, with its description, and each name of the ports
// folder, with the device it leads to, as the console offers them. One port a line.
std::string PortListing(const std::filesystem::path& portsDir);
