#pragma once

#include "card_job.h"
#include "serial_link.h"

// How a job branch hands back to the frame.
enum class JobEnding {
    Normal,        // the SysDelay pause (unless stopped), then the common tail
    WithoutPause,  // straight to the common tail
};

// Runs one job on the calling (worker) thread: opens the port, runs the read loop, the
// single write, the continuous write, the list write or the erase through the profile's
// device family, and ends with the family's reset, closing the port,
// clearing StopFlag and WM_JOB_DONE. Returns -1 for no job and touches nothing then;
// 0 after every job.
int CardWorker(CardJob* job);
int CardWorker(CardJob* job, const SerialTimeouts& timeouts);

// For branches: when the link has broken, logs why and says so; the branch then returns
// JobEnding::WithoutPause.
bool ReportIfBroken(CardJob& job, const SerialLink& link);
