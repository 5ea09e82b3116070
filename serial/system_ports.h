#pragma once

#include <string>
#include <vector>

// A serial port the system reports, with what it knows of the device (any may be empty).
struct SystemPort {
    std::string name;      // what a job is given: COM3, ttyUSB0
    std::string location;  // where it is opened: \\.\COM3, /dev/ttyUSB0
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
};

// The serial ports present now: Qt's list where Qt has it; on Windows the ports the system
// registers under HARDWARE\DEVICEMAP\SERIALCOMM.
std::vector<SystemPort> SystemSerialPorts();
