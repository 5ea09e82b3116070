#pragma once

#include "cli_options.h"
#include "cli_output.h"
#include "serial_link.h"

class StopSignals;

// Runs read, write, run, batch or clone and gives the exit status.
int RunJobCommand(const CliOptions& options, CliOutput& output, StopSignals& stopSignals,
                  const SerialTimeouts& timeouts);
