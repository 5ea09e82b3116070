// The jobs of the ESC-block family over USB HID, against the simulator's device behind
// reports in this process: the log and the records must be those of the same job against
// the simulator over a pty.
#include <gtest/gtest.h>

#include "cardsim_process.h"
#include "fake_hid_devices.h"
#include "gbk.h"
#include "pty_job_harness.h"
#include "record_lines.h"
#include "sim_usb_encoder.h"

namespace {

struct HidJobCase {
    const char* name;
    int mode;
    TrackSelection tracks;
    TrackTexts texts;
    int verify;
    std::vector<std::string> device;  // the simulator's options besides its family and cards
};

void PrintTo(const HidJobCase& c, std::ostream* out) {
    *out << c.name;
}

struct JobOutcome {
    std::string log;
    std::string records;
};

JobOutcome RunJob(const HidJobCase& c, const std::string& link, const std::string& port,
                  HidDevices* devices) {
    PtyJobHarness harness(c.mode);
    harness.UseProfileText("[Protocol]\nFamily=esc-block\nLink=" + link + "\n[Command]\nSysDelay=0\n");
    harness.hidDevices = devices;
    harness.job.PortName = port;
    harness.job.Tracks = c.tracks;
    harness.job.Verify = c.verify;
    harness.job.IsoFormat = 1;
    harness.console.SetTrackTexts(c.texts);
    // A read loop is stopped at its first card.
    harness.Run(c.mode == 1 ? 1 : 0);
    return {GbkToUtf8(harness.job.JobLog), RecordLines(harness.job.Records)};
}

class HidJob : public ::testing::TestWithParam<HidJobCase> {};

TEST_P(HidJob, LogsAndRecordsAsOverAPty) {
    const HidJobCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", "1=B1^A;2=12=3;3=99=1\n");
    std::vector<std::string> arguments = {"--family", "esc-block", "--swipe-ms", "0",
                                          "--write-reply-ms", "0", "--cards", (dir / "cards.txt").string()};
    arguments.insert(arguments.end(), c.device.begin(), c.device.end());

    CardsimProcess simulator(arguments);
    const JobOutcome overPty = RunJob(c, "serial", simulator.PortPath(), nullptr);

    FakeHidDevices devices;
    std::string error;
    devices.Plug("/dev/hidraw0", SimulatedUsbEncoder(arguments, dir.Path(), error));
    ASSERT_EQ(error, "");
    const JobOutcome overHid = RunJob(c, "hid", "HID1", &devices);

    ASSERT_NE(overPty.records, "") << overPty.log << simulator.Log();
    EXPECT_EQ(overHid.log, overPty.log);
    EXPECT_EQ(overHid.records, overPty.records);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, HidJob,
    ::testing::Values(HidJobCase{"Read", 1, Track12, {}, 0, {}},
                      HidJobCase{"Write", 0, Track23, {"", "123", "45"}, 0, {}},
                      HidJobCase{"WriteRefused", 0, Track2, {"", "123", ""}, 0, {"--write-replies", "fail"}},
                      HidJobCase{"WriteVerified", 0, Track23, {"", "123", "45"}, 1, {"--read-back", "same"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
