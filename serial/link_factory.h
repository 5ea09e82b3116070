#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "device_link.h"
#include "hid_devices.h"
#include "link_keys.h"
#include "port_list.h"

// The one place that decides which link a job gets: the profile's [Protocol] Link= says
// serial port or USB HID. The link is not opened yet.
std::unique_ptr<DeviceLink> MakeDeviceLink(const LinkKeys& keys, const std::string& portName,
                                           const std::string& lineSettings,
                                           const SerialTimeouts& timeouts,
                                           HidDevices& hidDevices = SystemHidDevices());

// The port a job gets when none is named: COM1, or HID1 on USB HID.
std::string DefaultPortName(const LinkKeys& keys);

// The ports to offer for this link now: the system's serial ports and the links of
// `portsDir`, or the USB HID devices with the profile's ids.
std::vector<FoundPort> PortsToOffer(const LinkKeys& keys, const std::filesystem::path& portsDir,
                                    HidDevices& hidDevices = SystemHidDevices());
