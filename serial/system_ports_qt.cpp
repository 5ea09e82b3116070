#include <QSerialPortInfo>

#include "system_ports.h"

std::vector<SystemPort> SystemSerialPorts() {
    std::vector<SystemPort> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        ports.push_back({port.portName().toStdString(), port.systemLocation().toStdString(),
                         port.description().toStdString(), port.manufacturer().toStdString(),
                         port.serialNumber().toStdString()});
    }
    return ports;
}
