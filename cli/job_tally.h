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

// The progress line of a write job: "12/20 cards, 1 not confirmed".
std::string ProgressLine(const JobTally& tally, int total);

// The same at a terminal while the device waits for the next card: "swipe card 13 of 20
// to write; 12/20 cards, 1 not confirmed"; `card` is the card's number as the operator
// counts it.
std::string AwaitingLine(const JobTally& tally, int card, int total);
// A read's running count: "12 cards read".
std::string ReadCountLine(const JobTally& tally);
