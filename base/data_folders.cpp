#include "data_folders.h"

#include <cstdlib>
#include <system_error>

#include "executable_dir.h"

#ifdef _WIN32
#include <shlobj.h>
#endif

namespace {

constexpr std::string_view kFolderName = "carddemo";

// An absolute path from the variable, else empty: relative values are to be ignored.
std::filesystem::path AbsoluteFromEnvironment(const EnvironmentLookup& environment,
                                              const char* name) {
    const char* value = environment(name);
    if (value == nullptr) return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

#ifdef _WIN32
// Asked of the system: Windows sets neither variable, and %APPDATA% is only a copy of this
// folder that a program's caller may have changed or left out.
std::filesystem::path UserConfigFolder(const EnvironmentLookup&) {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)))
        path = std::filesystem::path(folder) / kFolderName;
    CoTaskMemFree(folder);
    return path;
}
#else
std::filesystem::path UserConfigFolder(const EnvironmentLookup& environment) {
    if (auto config = AbsoluteFromEnvironment(environment, "XDG_CONFIG_HOME"); !config.empty())
        return config / kFolderName;
    if (auto home = AbsoluteFromEnvironment(environment, "HOME"); !home.empty())
        return home / ".config" / kFolderName;
    return {};
}
#endif

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

}  // namespace

DataFolders DataFoldersFor(const std::filesystem::path& executableDir,
                           const EnvironmentLookup& environment) {
    return {executableDir, UserConfigFolder(environment),
            (executableDir / ".." / "share" / kFolderName).lexically_normal()};
}

DataFolders ThisProgramsDataFolders() {
    return DataFoldersFor(ExecutableDirectory(),
                          [](const char* name) { return std::getenv(name); });
}

std::filesystem::path FindDataFile(std::string_view name, const DataFolders& folders) {
    for (const auto* folder : {&folders.beside, &folders.user, &folders.shared}) {
        std::error_code error;
        // An empty folder would make the name relative to the current folder.
        if (!folder->empty() && std::filesystem::is_regular_file(*folder / name, error))
            return *folder / name;
    }
    return folders.beside / name;
}

std::filesystem::path FindDataFile(std::string_view name) {
    return FindDataFile(name, ThisProgramsDataFolders());
}

std::filesystem::path PortLinksFolder(const DataFolders& folders) {
    const auto beside = folders.beside / "ports";
    const bool installed = IsFolder(folders.shared);
    if (!installed || folders.user.empty() || IsFolder(beside)) return beside;
    return folders.user / "ports";
}
