#pragma once

#include "card_job.h"
#include "track_set.h"

// The engine's track selection as the card formats name it. NoTrack has no card
// counterpart: callers pass a selection that names tracks.
TrackSet TrackSetOf(TrackSelection tracks);

// The --tracks code: "1", "2", "3", "12" or "23".
const char* TracksCode(TrackSelection tracks);
