#pragma once

#include <cstddef>
#include <string>

#include "card_record.h"

// What one job's records say so far: the cards read, the cards written and confirmed,
// the writes the device did not confirm, the confirmed ones that did not read back as
// written.
struct JobTally {
    int read = 0;
    int confirmed = 0;
    int notConfirmed = 0;
    int verifyFailed = 0;

    void Add(const CardRecord& record);
};

// Whether every track of the card read or wrote well.
bool AllTracksOk(const CardRecord& record);

// The progress line of a write job: "12/20 cards, 1 not confirmed".
std::string ProgressLine(const JobTally& tally, int total);
