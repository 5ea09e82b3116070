#pragma once

#include <cstddef>
#include <string>

#include "card_record.h"

// What one job's records say so far: the cards read, the cards written and confirmed,
// the writes the device did not confirm. Counts the records from `first` on, the job's
// own, since the list holds the earlier jobs' too.
struct JobTally {
    int read = 0;
    int confirmed = 0;
    int notConfirmed = 0;

    static JobTally Of(const CardRecordList& records, std::size_t first);
};

// Whether every track of the card read or wrote well.
bool AllTracksOk(const CardRecord& record);

// The progress line of a write job: "12/20 cards, 1 not confirmed".
std::string ProgressLine(const JobTally& tally, int total);
