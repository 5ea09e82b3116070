#pragma once

#include <string>

#include "card_job.h"
#include "cli_options.h"

// The track texts of `write` and `run`, checked before anything is sent, by the rules of
// the window's track boxes (card_check.h) and of the run itself (continuous_write.h).
struct CheckedTexts {
    TrackTexts gbk;     // as the device receives them, line breaks as CR LF
    std::string error;  // empty when the texts can be written
};

// Every track of the selection needs a text.
CheckedTexts CheckWriteTexts(const CliOptions& options, const DeviceProfile& profile);

// Texts may be left out (the cards then carry the number alone); `job` is the run's record.
CheckedTexts CheckRunTexts(const CliOptions& options, const CardJob& job);
