#include "job_tracks.h"

#include "job_records.h"

const char* TracksCode(TrackSelection tracks) {
    const auto set = TrackSetOf(tracks);
    return set ? TrackSetCode(*set).data() : "";
}

bool SelectionHasTrack(TrackSelection tracks, int track) {
    const auto set = TrackSetOf(tracks);
    return set && HasTrack(*set, track);
}
