#pragma once

#include <filesystem>

// The folder of the running executable: the profile and the port links live there.
std::filesystem::path ExecutableDirectory();
