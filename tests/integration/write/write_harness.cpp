#include "write_harness.h"

#include <gtest/gtest.h>

#include <thread>

#include "gbk.h"

namespace writetest {

std::string SetupBytes(const CardSetup& setup) {
    return (setup.lowCoercivity ? "" : Hex("1b 78")) + Hex(setup.iso ? "1b 69" : "1b 6d") +
           Hex(setup.lowDensity ? "1b 6c" : "1b 68");
}

std::string TrackBytes(TrackSelection tracks, const TrackTexts& data) {
    const std::string tail = Hex("1c 0d");
    switch (tracks) {
        case Track1:
            return Hex("1b 77 31") + data.track1 + tail;
        case Track2:
            return Hex("1b 77 32") + data.track2 + tail;
        case Track3:
            return Hex("1b 77 33 1f") + data.track3 + tail;
        case Track12:
            return Hex("1b 77 31") + data.track1 + Hex("1e") + data.track2 + tail;
        case Track23:
            return Hex("1b 77 32") + data.track2 + Hex("1f") + data.track3 + tail;
        case NoTrack:
            break;
    }
    return {};
}

std::string CardBytes(const CardSetup& setup, TrackSelection tracks, const TrackTexts& data) {
    return SetupBytes(setup) + TrackBytes(tracks, data) + Hex("1b 3f");
}

std::string Entry(std::string_view gbkText) {
    return kHyphens + std::string(gbkText) + kHyphens;
}

void WriteJobHarness::StartSim(std::vector<std::string> arguments, const ProfileChanges& changes) {
    sim_ = std::make_unique<CardsimProcess>(std::move(arguments), ProfileText(changes));
    UseProfileFile(sim_->ProfilePath());
    job.PortName = sim_->PortPath();
}

void WriteJobHarness::UsePort(const std::string& portPath, const ProfileChanges& changes) {
    UseProfileText(ProfileText(changes));
    job.PortName = portPath;
}

void WriteJobHarness::SetTexts(std::string track1, std::string track2, std::string track3) {
    console.SetTrackTexts({std::move(track1), std::move(track2), std::move(track3)});
}

void WriteJobHarness::SetSetup(const CardSetup& setup) {
    job.LowCoercivity = setup.lowCoercivity ? 1 : 0;
    job.IsoFormat = setup.iso ? 1 : 0;
    job.LowDensity = setup.lowDensity ? 1 : 0;
}

std::string WriteJobHarness::Received() const {
    const auto deadline = Clock::now() + 2s;
    std::string bytes = sim_->Received();
    while (!bytes.ends_with(kSoftReset) && Clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
        bytes = sim_->Received();
    }
    return bytes;
}

void ExpectRefusedWithoutPause(const WriteJobHarness& harness, const char* utf8Message) {
    EXPECT_EQ(harness.console.MessageBoxes(), std::vector<std::string>{Gbk(utf8Message)});
    EXPECT_EQ(harness.Received(), kSoftReset);
    EXPECT_EQ(harness.job.JobLog, "");
    EXPECT_LT(harness.PauseBeforeDone(), milliseconds(kMeasuredSysDelay / 2));
}

}  // namespace writetest
