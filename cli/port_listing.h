#pragma once

#include <filesystem>
#include <string>

#include "hid_devices.h"
#include "link_keys.h"

// What `cardctl ports` prints: COM1 to COM4 with the device each name reaches (by the
// console's rules, `portsDir` being the ports folder beside the program), then every
// serial port the system reports, with its description, and each name of the ports
// folder, with the device it leads to, as the console offers them. One port a line.
std::string PortListing(const std::filesystem::path& portsDir);

// What `cardctl ports` prints for a profile on USB HID: each encoder with the profile's
// USB ids found now, as HID1, HID2, ... with its system path and what the system knows of
// it. Empty when none is plugged in.
std::string HidPortListing(const LinkKeys& keys, HidDevices& devices = SystemHidDevices());
