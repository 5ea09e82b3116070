#pragma once

#include <chrono>
#include <string>

#include "pty_job_harness.h"

namespace readtest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A read job against a port the test names, on the sample profile as changed or on a
// profile text of the test's own.
class ReadBench : public PtyJobHarness {
  public:
    ReadBench(TrackSelection tracks, const std::string& port, const ProfileChanges& changes = {})
        : ReadBench(tracks, port, ProfileText(changes)) {}
    ReadBench(TrackSelection tracks, const std::string& port, const std::string& profileText)
        : PtyJobHarness(1) {
        UseProfileText(profileText);
        job.Tracks = tracks;
        job.PortName = port;
    }
};

// Reads the next command the console sends, in full: every read command is three bytes.
inline std::string NextCommand(PtyPeer& device) {
    return ReceiveFrom(device, 3);
}

}  // namespace readtest
