#pragma once

#include <memory>

#include "device_family.h"

// The ESC-block encoders: the frames of esc_block_codec, tuned by the profile's [Protocol]
// settings and the job's coercivity and density.
const FamilyChecks& EscBlockChecks();
std::unique_ptr<DeviceFamily> MakeEscBlockFamily(CardJob& job, SerialLink& link);
