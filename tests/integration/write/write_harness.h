#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cardsim_process.h"
#include "pty_job_harness.h"

namespace writetest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

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

// A dash-framed log entry.
std::string Entry(std::string_view gbkText);

// One write job against cardsim or a test's own pty peer, with a recording console.
class WriteJobHarness : public PtyJobHarness {
  public:
    WriteJobHarness() : PtyJobHarness(0) {}

    // Starts cardsim with the scenario arguments and the changed sample profile, and
    // points the job at it.
    void StartSim(std::vector<std::string> arguments, const ProfileChanges& changes = {});
    // Points the job at a port the test plays itself.
    void UsePort(const std::string& portPath, const ProfileChanges& changes = {});

    void SetTexts(std::string track1, std::string track2, std::string track3);
    void SetSetup(const CardSetup& setup);

    // What the device got; waits for the ending's SoftReset to come through first.
    std::string Received() const;
    std::string SimLog() const { return sim_ ? sim_->Log() : std::string(); }

  private:
    std::unique_ptr<CardsimProcess> sim_;
};

// A job refused with one message box: nothing but the ending's SoftReset reached the
// device, nothing was logged, and the ending did not pause.
void ExpectRefusedWithoutPause(const WriteJobHarness& harness, const char* utf8Message);

}  // namespace writetest
