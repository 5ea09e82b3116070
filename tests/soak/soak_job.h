#pragma once

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "pty_job_harness.h"
#include "soak_device.h"

// One job of a soak run: a read, a single write or a numbered run, on the sample profile
// with the default serial time-outs, against a SoakDevice that answers or keeps silent.
// The track selection is drawn at random; a long SysDelay keeps every write job alive
// until something from outside ends it.
class SoakJob {
  public:
    enum class Kind { Read, SingleWrite, NumberedRun };

    SoakJob(Kind kind, bool deviceAnswers, unsigned seed);

    PtyPeer peer;
    PtyJobHarness harness;
    SoakDevice device;

  private:
    SoakJob(Kind kind, bool deviceAnswers, TrackSelection tracks, unsigned seed);
};

// A count from the environment, or the fallback when the variable is unset.
unsigned EnvironmentCount(const char* name, unsigned fallback);

// "median 250 ms, p99 498 ms, max 503 ms over 40 jobs" for a set of durations.
std::string Distribution(std::vector<std::chrono::milliseconds> times);
