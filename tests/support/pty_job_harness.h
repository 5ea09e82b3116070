#pragma once

#include <QThread>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "card_job.h"
#include "hid_devices.h"
#include "profile_text.h"
#include "pty_peer.h"
#include "recording_console.h"
#include "serial_link.h"
#include "temp_dir.h"

// A silent read costs 20 ms, so a job soon notices Stop and a silent device.
inline const SerialTimeouts kShortTimeouts{10, 0, 20, 0, 200};
// The sample profile's SoftReset, the last thing every job sends.
inline const std::string kSoftReset = "\x1b\x61";
// The line above and below every log entry.
inline const std::string kHyphens = std::string(54, '-') + "\r\n";

// Waits until `count` bytes have come from the job to a device the test plays, also while
// the job has not opened its end of the line yet.
std::string ReceiveFrom(PtyPeer& device, std::size_t count,
                        std::chrono::milliseconds limit = std::chrono::seconds(5));

// A job as the console runs it over a pseudo-terminal: the job record, a console that
// records every call, and CardWorker on a QThread. The record is kept from job to job,
// log included.
class PtyJobHarness {
  public:
    using Clock = std::chrono::steady_clock;

    // `mode` as the console sets it: 1 reads, 0 writes.
    explicit PtyJobHarness(int mode);
    ~PtyJobHarness();
    PtyJobHarness(const PtyJobHarness&) = delete;
    PtyJobHarness& operator=(const PtyJobHarness&) = delete;

    // Loads a profile text of the test's own, or a profile file, into the job.
    void UseProfileText(const std::string& profileText);
    void UseProfileFile(const std::filesystem::path& path);

    // Starts a job; with `stopAfterRefreshes` > 0 Stop is pressed at that log refresh.
    void Start(int stopAfterRefreshes = 0);
    void Stop() { job.StopFlag.store(1); }
    // Waits for the worker to return. One still running after `limit` is stopped and
    // reported as a failure.
    int Finish(std::chrono::milliseconds limit = std::chrono::seconds(15));
    // Start, then Finish.
    int Run(int stopAfterRefreshes = 0, std::chrono::milliseconds limit = std::chrono::seconds(15));

    int RefreshCount() const { return console.Count(WM_LOG_REFRESH); }
    // StopFlag as the console found it when WM_JOB_DONE arrived; -1 before that.
    int StopFlagAtDone() const { return stopFlagAtDone_.load(); }
    // When the job's WM_JOB_DONE came, and checks that it came once and last.
    Clock::time_point DoneAt() const;
    // Time from the last thing the job did before its ending to WM_JOB_DONE.
    std::chrono::milliseconds PauseBeforeDone() const;

    CardJob job;
    RecordingConsole console{&job};
    SerialTimeouts timeouts = kShortTimeouts;
    // Where a profile on USB HID finds its devices; the system's when unset.
    HidDevices* hidDevices = nullptr;

  private:
    TempDir dir_;
    std::unique_ptr<QThread> worker_;
    int result_ = -2;
    int stopAfter_ = 0;
    std::atomic<int> refreshes_{0};
    std::atomic<int> stopFlagAtDone_{-1};
};
