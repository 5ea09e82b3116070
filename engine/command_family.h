#pragma once

#include <memory>

#include "device_family.h"

// The profile's own family: every byte from its [Command] keys, as the console has always
// sent them.
const FamilyChecks& CommandFamilyChecks();
std::unique_ptr<DeviceFamily> MakeCommandFamily(CardJob& job, SerialLink& link);
