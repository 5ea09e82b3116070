#include "executable_dir.h"

#include <system_error>

#include "data_folders.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

std::filesystem::path ExecutableDirectory() {
#ifdef _WIN32
    wchar_t buffer[1024] = {};
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 1024);
    return std::filesystem::path(std::wstring(buffer, n)).parent_path();
#elif defined(__APPLE__)
    char buffer[1024] = {};
    uint32_t size = sizeof buffer;
    if (_NSGetExecutablePath(buffer, &size) != 0) return std::filesystem::current_path();
    return std::filesystem::path(buffer).parent_path();
#else
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
#endif
}

std::filesystem::path DefaultProfilePath() {
    return FindDataFile(kProfileFileName);
}
