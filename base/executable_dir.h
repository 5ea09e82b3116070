#pragma once

#include <filesystem>
#include <string_view>

// The folder of the running executable: the profile and the port links live there unless
// the program is installed (data_folders.h).
std::filesystem::path ExecutableDirectory();

// The device profile's file name, and the profile the running program reads: beside the
// executable, else in the user's folder, else in the shared one (FindDataFile).
inline constexpr std::string_view kProfileFileName = "QXProduct.ini";
std::filesystem::path DefaultProfilePath();
