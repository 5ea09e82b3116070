#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "device_profile.h"

// What `cardctl profile` prints: the four limits and every command key with the bytes it
// decodes to, then what a profile author would not see from the text: values refused
// (not groups of four, more than seven bytes), digits that read as f (upper case, or no
// hex digit at all), a 0x00 that ends a command early, limits of 0 or less, and keys left
// empty that some job needs, numbers that are not numbers. `profile` is the file's content
// as the console loads it; `warningCount`, when given, receives how many warnings there are.
std::string ProfileReport(const std::filesystem::path& path, const DeviceProfile& profile,
                          std::size_t* warningCount = nullptr);
