#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "card_job.h"
#include "cardsim_process.h"
#include "profile_text.h"
#include "pty_peer.h"
#include "recording_console.h"
#include "serial_link.h"
#include "temp_dir.h"

namespace writetest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Short enough that a silent line costs 30 ms a read attempt.
inline const SerialTimeouts kShortTimeouts{10, 0, 30, 0, 200};
// Long enough to be told from no pause at all, with a wide margin.
inline constexpr int kMeasuredSysDelay = 400;

// The write sequence for one card in the sample profile's bytes, as the device must get it.
struct CardSetup {
    bool lowCoercivity = false;
    bool iso = false;
    bool lowDensity = false;
};
std::string SetupBytes(const CardSetup& setup);
// Track command, data, separators and WriteTail for a selection.
std::string TrackBytes(TrackSelection tracks, const TrackTexts& data);
std::string CardBytes(const CardSetup& setup, TrackSelection tracks, const TrackTexts& data);
inline const std::string kSoftReset = "\x1b\x61";

// Waits until `count` bytes have come from the job to a device the test plays, also while
// the job has not opened the port yet.
std::string ReceiveFrom(PtyPeer& device, std::size_t count, milliseconds wait = 5000ms);

// A dash-framed log entry.
std::string Entry(std::string_view gbkText);

// One write job against cardsim or a test's own pty peer, with a recording console.
class WriteJobHarness {
  public:
    WriteJobHarness();

    // Starts cardsim with the scenario arguments and the changed sample profile, and
    // points the job at it.
    void StartSim(std::vector<std::string> arguments, const ProfileChanges& changes = {});
    // Points the job at a port the test plays itself.
    void UsePort(const std::string& portPath, const ProfileChanges& changes = {});

    void SetTexts(std::string track1, std::string track2, std::string track3);
    void SetSetup(const CardSetup& setup);

    // Runs CardWorker on a worker thread until it returns. A job that has not ended after
    // ten seconds is stopped and reported as a failure.
    int Run();

    // What the device got; waits for the ending's SoftReset to come through first.
    std::string Received() const;
    // Time from the last thing the job did before its ending to WM_JOB_DONE.
    milliseconds PauseBeforeDone() const;
    Clock::time_point DoneAt() const;
    std::string SimLog() const { return sim_ ? sim_->Log() : std::string(); }

    CardJob job;
    RecordingConsole console{&job};

  private:
    std::unique_ptr<CardsimProcess> sim_;
    TempDir dir_;
};

// A job refused with one message box: nothing but the ending's SoftReset reached the
// device, nothing was logged, and the ending did not pause.
void ExpectRefusedWithoutPause(const WriteJobHarness& harness, const char* utf8Message);

}  // namespace writetest
