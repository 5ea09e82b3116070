#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

// The folders the console's programs take their files from (the device profile, the skin,
// the port links), in the order they are looked in.
struct DataFolders {
    std::filesystem::path beside;  // the executable's own folder: the original place
    std::filesystem::path user;    // the user's configuration folder; empty when unknown
    std::filesystem::path shared;  // the installed sample files under the install prefix
};

// Reads one environment variable: null when it is unset (std::getenv).
using EnvironmentLookup = std::function<const char*(const char* name)>;

// The folders of a program in `executableDir`: the user's is $XDG_CONFIG_HOME/carddemo
// (~/.config/carddemo when that is unset, empty or relative; on Windows carddemo in the
// user's roaming application data, %APPDATA%), the shared one
// `executableDir`/../share/carddemo, so a relocated or staged install finds its own (the
// Windows installer lays out bin\ and share\carddemo\ alike; its zip keeps all beside).
DataFolders DataFoldersFor(const std::filesystem::path& executableDir,
                           const EnvironmentLookup& environment);
// The folders of the running program.
DataFolders ThisProgramsDataFolders();

// The first of beside, user and shared that holds the file `name`; the path beside the
// executable when none does, so that a missing file keeps its usual meaning there.
std::filesystem::path FindDataFile(std::string_view name, const DataFolders& folders);
std::filesystem::path FindDataFile(std::string_view name);

// Where port names such as COM1 may be links (ports/COM1 -> /dev/ttyUSB0), and where the
// simulator puts its own: `ports` beside the executable, as always; but an installed
// program (its shared folder exists) without that folder, which the user usually may not
// create there, uses `ports` in the user's folder instead.
std::filesystem::path PortLinksFolder(const DataFolders& folders);
