#pragma once

#include <array>

#include "card_job.h"
#include "card_record.h"

// Appends a card's record, stamped with the job's number, the card's place in the job
// (every card once, whatever the log counts), its selection and the local time. Called
// before the card's log entry goes out, so that the refresh showing the entry finds the
// record too. A job without a selection records nothing.
void AddCardRecord(CardJob& job, CardKind kind,
                   const std::array<TrackResult, kTrackCount>& results);
