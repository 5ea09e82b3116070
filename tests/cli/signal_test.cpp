// Ctrl+C and SIGTERM end a job as Stop does: the device is reset last, the port is free
// again, and cardctl ends as a shell reports the signal: 130 for Ctrl+C, 143 for SIGTERM.
#include <gtest/gtest.h>
#include <signal.h>

#include "cardsim_process.h"
#include "cli_run.h"
#include "profile_text.h"
#include "pty_job_harness.h"
#include "record_export.h"
#include "serial_link.h"
#include "wait_for.h"

namespace {

struct Interruption {
    const char* name;
    std::vector<int> sent;  // sent one right after the other
    int status;
};

std::ostream& operator<<(std::ostream& out, const Interruption& interruption) {
    return out << interruption.name;
}

class ReadInterrupted : public ::testing::TestWithParam<Interruption> {};

TEST_P(ReadInterrupted, ResetsTheDeviceAndFreesThePort) {
    // No card comes: the read waits for a swipe when the signal arrives.
    CardsimProcess sim({"--swipe-ms", "600000"}, ProfileText());
    TempDir dir;
    CardctlProcess cardctl({"read", "--tracks", "2", "--port", sim.PortPath(), "--profile",
                            sim.ProfilePath().string(), "--records",
                            (dir / "cards.json").string()});
    const std::string readCommand = Hex("1b 72 32");
    ASSERT_TRUE(WaitFor([&] { return sim.Received() == readCommand; })) << sim.Received();

    for (const int signal : GetParam().sent) cardctl.Signal(signal);
    EXPECT_EQ(cardctl.Wait(), GetParam().status) << cardctl.Err();
    EXPECT_EQ(cardctl.Out(), RecordsCsvHeader());
    // The simulator takes the reset in its own time after cardctl has gone.
    EXPECT_TRUE(WaitFor([&] { return sim.Received() == readCommand + kSoftReset; }))
        << sim.Received();
    EXPECT_EQ(ReadFile(dir / "cards.json"), "[\n]\n");

    SerialLink link;
    link.SetPortName(sim.PortPath());
    link.Open();
    EXPECT_TRUE(link.IsOpen()) << link.FailureReason();
}

INSTANTIATE_TEST_SUITE_P(Signals, ReadInterrupted,
                         ::testing::Values(Interruption{"CtrlC", {SIGINT}, 130},
                                           Interruption{"Terminate", {SIGTERM}, 143},
                                           Interruption{"HangUp", {SIGHUP}, 129},
                                           Interruption{"CtrlCTwice", {SIGINT, SIGINT}, 130}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
