#pragma once

#include <filesystem>
#include <string_view>

// The folder of the running executable: the profile and the port links live there.
std::filesystem::path ExecutableDirectory();

// The device profile's file name, and that file beside the running executable.
inline constexpr std::string_view kProfileFileName = "QXProduct.ini";
std::filesystem::path DefaultProfilePath();
