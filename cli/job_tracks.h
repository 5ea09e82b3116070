#pragma once

#include "card_job.h"

// The --tracks code of a selection that names tracks: "1", "2", "3", "12" or "23".
const char* TracksCode(TrackSelection tracks);

// Whether the selection holds the track (1 to 3); NoTrack holds none.
bool SelectionHasTrack(TrackSelection tracks, int track);
