#pragma once

#include "cli_options.h"
#include "cli_output.h"
#include "device_link.h"

// `cardctl probe`: asks the port's device the ESC-block way and says what answered and
// which family and sample profile fit it. The port is on the profile's link, or on USB HID
// when it is named like a USB encoder (HID1).
int RunProbeCommand(const CliOptions& options, CliOutput& output, const SerialTimeouts& timeouts);
