#pragma once

#include "cli_options.h"
#include "cli_output.h"
#include "job_session.h"

// After a write job that a signal stopped, a card's tries ended or a lost port cut off:
// how many of its `total` cards are confirmed, how many are left, and how to write the
// rest.
void SayHowToGoOn(const CliOptions& options, const JobOutcome& outcome, int total,
                  CliOutput& output);
