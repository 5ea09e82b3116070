#include "port_name.h"

#include <charconv>
#include <system_error>

#include "data_folders.h"

std::filesystem::path DefaultPortsDirectory() {
    return PortLinksFolder(ThisProgramsDataFolders());
}

std::string ResolvePortName(const std::string& name, const std::filesystem::path& portsDir) {
#ifdef _WIN32
    (void)portsDir;
    // The device namespace reaches every port; COM10 and up are found nowhere else.
    return name.starts_with(R"(\\.\)") ? name : R"(\\.\)" + name;
#else
    std::error_code error;
    if (name.find('/') != std::string::npos) {
        // QSerialPort puts /dev/ before any name not starting with '/', "./" or "../", so a
        // relative path must reach it absolute.
        const auto path = std::filesystem::absolute(name, error);
        return error ? name : path.string();
    }
    const auto entry = portsDir / name;
    if (!name.empty() && std::filesystem::exists(std::filesystem::symlink_status(entry, error))) {
        // Resolve the link so that the lock taken on open names the real device, whichever
        // name reached it.
        const auto target = std::filesystem::canonical(entry, error);
        return (error ? entry : target).string();
    }
    if (name.size() > 3 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "com") == 0)) {
        int number = 0;
        const char* digits = name.data() + 3;
        const auto [end, parseError] = std::from_chars(digits, name.data() + name.size(), number);
        if (parseError == std::errc() && end == name.data() + name.size() && number >= 1) {
            return "/dev/ttyS" + std::to_string(number - 1);
        }
    }
    return "/dev/" + name;
#endif
}
