#pragma once

#include <filesystem>
#include <string>

// Where a port name such as "COM1" leads on this platform. On Linux and macOS: a name
// holding '/' is a path (made absolute from the current folder); else an entry of that name in
// `portsDir` (a link such as ports/COM1 -> /dev/ttyUSB0); else COMn is /dev/ttyS(n-1); else
// /dev/<name>. On Windows the name is opened in the device namespace, as \\.\<name>.
std::string ResolvePortName(const std::string& name, const std::filesystem::path& portsDir);

// The `ports` folder beside the running executable; for an installed program without one
// there, the `ports` folder in the user's configuration folder (PortLinksFolder).
std::filesystem::path DefaultPortsDirectory();
