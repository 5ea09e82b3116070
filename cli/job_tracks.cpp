#include "job_tracks.h"

#include <cassert>

TrackSet TrackSetOf(TrackSelection tracks) {
    switch (tracks) {
        case Track1:
            return TrackSet::Track1;
        case Track2:
            return TrackSet::Track2;
        case Track3:
            return TrackSet::Track3;
        case Track12:
            return TrackSet::Track12;
        case Track23:
            return TrackSet::Track23;
        case NoTrack:
            break;
    }
    assert(false && "a selection without tracks has no card counterpart");
    return TrackSet::Track2;
}

const char* TracksCode(TrackSelection tracks) {
    return TrackSetCode(TrackSetOf(tracks)).data();
}
