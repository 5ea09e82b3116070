#pragma once

#include <string>

#include "card_job.h"
#include "cli_options.h"

// The track texts of `write` and `run`, checked before anything is sent, by the rules of
// the window's track boxes: GBK-encodable, within the profile's limit for the track
// (Tack1Num; Tack2Lower or Tack2High by density; Tack2High) and within 119 bytes.
struct CheckedTexts {
    TrackTexts gbk;     // as the device receives them, line breaks as CR LF
    std::string error;  // empty when the texts can be written
};

// Every track of the selection needs a text.
CheckedTexts CheckWriteTexts(const CliOptions& options, const DeviceProfile& profile);

// Texts may be left out (the cards then carry the number alone); each track's text with
// the number one step past the run's last card must fit, as the run itself checks.
CheckedTexts CheckRunTexts(const CliOptions& options, const DeviceProfile& profile);
