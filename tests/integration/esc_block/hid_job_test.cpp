// The jobs of the ESC-block family over USB HID, against the simulator answering a fake
// encoder in this process: the log and the records must be those of the same job against
// the simulator over a pty.
#include <gtest/gtest.h>

#include "cardsim_process.h"
#include "gbk.h"
#include "pty_job_harness.h"
#include "record_lines.h"
#include "sim_usb_encoder.h"

namespace {

struct HidJobCase {
    const char* name;
    int mode;
    TrackSelection tracks;
    int verify;
    std::vector<std::string> device;  // the simulator's options besides family, cards and delays
};

// A read loop is stopped at its first card. The log, then the records.
std::string RunJob(const HidJobCase& c, const std::string& link, const std::string& port,
                   HidDevices* devices) {
    PtyJobHarness harness(c.mode);
    harness.UseProfileText("[Protocol]\nFamily=esc-block\nLink=" + link + "\n[Command]\nSysDelay=0\n");
    harness.hidDevices = devices;
    harness.job.PortName = port;
    harness.job.Tracks = c.tracks;
    harness.job.Verify = c.verify;
    harness.job.IsoFormat = 1;
    harness.console.SetTrackTexts({"B1", "123", "45"});
    harness.Run(c.mode);
    return GbkToUtf8(harness.job.JobLog) + RecordLines(harness.job.Records);
}

class HidJob : public ::testing::TestWithParam<HidJobCase> {};

TEST_P(HidJob, LogsAndRecordsAsOverAPty) {
    const HidJobCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", "1=B1^A;2=12=3;3=99=1\n");
    std::vector<std::string> arguments = {"--family", "esc-block", "--swipe-ms", "0", "--write-reply-ms",
                                          "0", "--cards", (dir / "cards.txt").string()};
    arguments.insert(arguments.end(), c.device.begin(), c.device.end());
    CardsimProcess simulator(arguments);
    const std::string overPty = RunJob(c, "serial", simulator.PortPath(), nullptr);

    FakeHidDevices devices;
    std::string error;
    devices.Plug("/dev/hidraw0")->AnswerWith(SimulatorAnswers(arguments, dir.Path(), error));
    ASSERT_EQ(error, "");
    EXPECT_NE(overPty.find("\n0/1 "), std::string::npos) << overPty << simulator.Log();
    EXPECT_EQ(RunJob(c, "hid", "HID1", &devices), overPty);
}

INSTANTIATE_TEST_SUITE_P(Jobs, HidJob,
                         ::testing::Values(HidJobCase{"Read", 1, Track12, 0, {}},
                                           HidJobCase{"Write", 0, Track23, 0, {}},
                                           HidJobCase{"WriteRefused", 0, Track2, 0, {"--write-replies", "fail"}},
                                           HidJobCase{"WriteVerified", 0, Track12, 1, {"--read-back", "same"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
