#pragma once

#include <vector>

#include "card_job.h"
#include "card_list.h"
#include "cli_options.h"

// The job record a command runs, filled from its options as the window fills it from its
// boxes: the settings, the profile, the mode (1 reads, 0 writes), the retry limit, verify
// and, for a run, its numbering. The checks before a job and the job itself take it from
// here alike.
void FillJob(CardJob& job, const CliOptions& options, const DeviceProfile& profile, int mode);

// A write of the cards of a list instead of the track texts; `listSize` counts the whole
// list, the cards a journal has left out of `cards` too (0: `cards` is the whole list).
void FillListWrite(CardJob& job, const std::vector<ListCard>& cards, int listSize = 0);

// The modes of a command's jobs in order: a clone reads, then writes.
std::vector<int> JobModesOf(CliCommand command);
