#pragma once

#include <QThread>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "card_job.h"
#include "profile_text.h"
#include "pty_peer.h"
#include "recording_console.h"
#include "serial_link.h"
#include "temp_dir.h"

namespace readtest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A silent read costs 20 ms, so a command goes out again about every 0.8 s of silence.
inline const SerialTimeouts kShortTimeouts{10, 0, 20, 0, 200};

inline const std::string kHyphens = std::string(54, '-') + "\r\n";
inline const std::string kSoftReset = "\x1b\x61";

// A read job as the console runs it: the job record, a console that records every call,
// and CardWorker on a QThread. The record is kept from job to job, log included.
class ReadBench {
  public:
    ReadBench(TrackSelection tracks, const std::string& port, const ProfileChanges& changes = {});
    // A bench for a profile text of the test's own.
    ReadBench(TrackSelection tracks, const std::string& port, const std::string& profileText);
    ~ReadBench();

    // Starts a job; with `stopAfterRefreshes` > 0 Stop is pressed at that log refresh.
    void Start(int stopAfterRefreshes = 0);
    void Stop() { job.StopFlag.store(1); }
    // Waits for the worker to return. One still running after `limit` is stopped and
    // reported as a failure.
    int Finish(milliseconds limit = 15s);
    // Start, then Finish.
    int Run(int stopAfterRefreshes, milliseconds limit = 15s);

    int RefreshCount() const { return console.Count(WM_LOG_REFRESH); }
    // StopFlag as the console found it when WM_JOB_DONE arrived; -1 before that.
    int StopFlagAtDone() const { return stopFlagAtDone_.load(); }
    // When the job's WM_JOB_DONE came, and checks that it came once and last.
    Clock::time_point DoneAt() const;

    CardJob job;
    RecordingConsole console{&job};
    SerialTimeouts timeouts = kShortTimeouts;

  private:
    TempDir dir_;
    std::unique_ptr<QThread> worker_;
    int result_ = -2;
    int stopAfter_ = 0;
    std::atomic<int> refreshes_{0};
    std::atomic<int> stopFlagAtDone_{-1};
};

// Reads the next command the console sends, in full.
std::string NextCommand(PtyPeer& device, std::size_t length = 3, milliseconds limit = 3s);

}  // namespace readtest
