#pragma once

#include "cli_options.h"
#include "cli_output.h"
#include "job_session.h"

// After a write job that a signal stopped, a card's tries ended, a lost port cut off or a
// failed journal stopped: how many of its cards are confirmed, how many are left, and how
// to write the rest. `writtenBefore` cards of a resumed list were written by earlier runs;
// `total` counts them too.
void SayHowToGoOn(const CliOptions& options, const JobOutcome& outcome, int writtenBefore,
                  int total, CliOutput& output);
