#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The command language the simulated device speaks: the profile's own bytes, or the
// ESC-block protocol, whose frames are fixed and need nothing from the profile.
enum class DeviceFamily { Commands, EscBlock };

// "commands" or "esc-block", whatever the case; nothing for any other name.
std::optional<DeviceFamily> FamilyNamed(const std::string& name);
// The family `--family` names when given, else the profile's ([Protocol] Family, commands
// when it is missing); an error text when the name is neither.
std::optional<std::string> ChooseFamily(const std::optional<std::string>& option,
                                        const std::filesystem::path& profile, DeviceFamily& family);
