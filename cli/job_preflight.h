#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "card_job.h"
#include "card_list.h"
#include "cli_options.h"
#include "cli_output.h"
#include "journal.h"
#include "log_file.h"
#include "serial_link.h"

// Everything a job command checks before the device hears a byte, in the order that
// lets the first problem found be the one reported: the profile (exit 3), the commands
// the job cannot do without (3; 2 when only --verify needs them), the texts or the card
// list (2), the output files (2), the port (3), the journal (2 when the file is no
// journal, 4 when it cannot be written).
struct PreparedJob {
    DeviceProfile profile;
    TrackTexts texts;             // write, run
    std::vector<ListCard> cards;  // batch
    int listSize = 0;             // batch: the list's cards, those the journal left out too
    std::unique_ptr<LogFile> log;
    std::unique_ptr<Journal> journal;  // --journal, opened for appending
};

// On failure the error is shown and the exit status returned.
std::optional<int> PrepareJob(const CliOptions& options, const SerialTimeouts& timeouts,
                              CliOutput& output, PreparedJob& prepared);
