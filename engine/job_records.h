#pragma once

#include <array>

#include "card_job.h"
#include "card_record.h"

// Appends a card's record, stamped with the job's number, the card's place in the job
// (every card once, whatever the log counts), its selection and the local time. Called
// before the card's log entry goes out, so that the refresh showing the entry finds the
// record too. A job without a selection records nothing.
// The record goes to the job's journal too.
void AddCardRecord(CardJob& job, CardKind kind,
                   const std::array<TrackResult, kTrackCount>& results);

// The `sending` row of the card about to go out, in the journal alone; it carries the
// number the card's record will have. False when the journal failed: the card must not go
// out unrecorded.
bool JournalSending(CardJob& job, const std::array<TrackResult, kTrackCount>& results);
