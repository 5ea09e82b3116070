#include <windows.h>

#include <QString>

#include "system_ports.h"

std::vector<SystemPort> SystemSerialPorts() {
    std::vector<SystemPort> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return ports;
    }
    // Each value: the driver's device (\Device\Serial0) named by the port's name (COM1).
    for (DWORD index = 0;; ++index) {
        wchar_t device[256];
        DWORD deviceLength = sizeof device / sizeof device[0];
        wchar_t name[256];
        DWORD nameBytes = sizeof name - sizeof name[0];
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, device, &deviceLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(name), &nameBytes);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue;
        name[nameBytes / sizeof name[0]] = L'\0';
        const std::string portName = QString::fromWCharArray(name).trimmed().toStdString();
        if (portName.empty()) continue;
        ports.push_back({portName, R"(\\.\)" + portName,
                         QString::fromWCharArray(device, static_cast<qsizetype>(deviceLength))
                             .toStdString(),
                         {}, {}});
    }
    RegCloseKey(key);
    return ports;
}
