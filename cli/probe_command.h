#pragma once

#include "cli_options.h"
#include "cli_output.h"
#include "serial_link.h"

// `cardctl probe`: asks the port's device the ESC-block way and says what answered and
// which family and sample profile fit it.
int RunProbeCommand(const CliOptions& options, CliOutput& output, const SerialTimeouts& timeouts);
