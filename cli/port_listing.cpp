#include "port_listing.h"

#include <QSerialPortInfo>
#include <system_error>

#include "port_name.h"

namespace {

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

std::string Description(const QSerialPortInfo& port) {
    QStringList parts;
    for (const QString& part : {port.description(), port.manufacturer(), port.serialNumber()}) {
        if (!part.isEmpty()) parts << part;
    }
    return parts.isEmpty() ? std::string("(no description)")
                           : parts.join(QStringLiteral(", ")).toStdString();
}

}  // namespace

std::string PortListing(const std::filesystem::path& portsDir) {
    std::string listing;
    for (int number = 1; number <= 4; ++number) {
        const std::string name = "COM" + std::to_string(number);
        const std::string device = ResolvePortName(name, portsDir);
        std::error_code error;
        // On Windows a COM name is no file, and the system's list below tells what is there.
#ifdef _WIN32
        const bool present = true;
#else
        const bool present = std::filesystem::exists(device, error);
#endif
        listing += Padded(name, 8) + "-> " + device + (present ? "" : " (not present)") + "\n";
    }
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        listing += Padded(port.systemLocation().toStdString(), 16) + Description(port) + "\n";
    }
    return listing;
}
