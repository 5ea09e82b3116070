#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "device_profile.h"
#include "link_keys.h"

// The profile a command uses: the --profile option's file, or the console's own lookup.
std::filesystem::path ProfilePathFor(const QString& option);

// Loads the profile as the console does. Unlike the console, which falls back on the
// defaults, a file that cannot be read is an error: the message names it and says why.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path,
                                           DeviceProfile& profile);

// How the device of that profile is reached ([Protocol] Link=): serial when the file does
// not say or cannot be read.
LinkKeys ProfileLinkKeys(const QString& option);
