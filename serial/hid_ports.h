#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hid_devices.h"
#include "port_list.h"

// The HID devices a job can be given, named like ports: HID1, HID2, ... in the order of
// their system paths, so a name keeps its device while nothing is plugged in or out.
inline constexpr const char* kFirstHidPort = "HID1";

// The devices with these USB ids present now, each with its name and system path.
std::vector<FoundPort> HidPortsFound(HidDevices& devices, uint16_t vendor, uint16_t product);

// "no USB encoder 0801:0003 is plugged in"
std::string NoHidDeviceReason(uint16_t vendor, uint16_t product);

// The number of a name such as "HID2" (any case); nothing for another name.
std::optional<std::size_t> HidPortNumber(const std::string& name);
