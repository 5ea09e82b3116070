#include "serial_link.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "pty_peer.h"
#include "temp_dir.h"

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

milliseconds Elapsed(steady_clock::time_point start) {
    return duration_cast<milliseconds>(steady_clock::now() - start);
}

std::unique_ptr<SerialLink> OpenLink(const std::string& path, SerialTimeouts timeouts = {}) {
    auto link = std::make_unique<SerialLink>(timeouts);
    link->SetPortName(path);
    link->Open();
    return link;
}

TEST(SerialLink, StartsWithTheDefaultPortAndSettings) {
    SerialLink link;
    EXPECT_EQ(link.PortName(), "COM1");
    EXPECT_EQ(link.Settings(), "baud=9600 parity=N data=8 stop=1");
    EXPECT_FALSE(link.IsOpen());
}

TEST(SerialLink, ReadTimeoutsKeepTheirWindowsMeaning) {
    PtyPeer peer;
    auto link = OpenLink(peer.TerminalPath());
    ASSERT_TRUE(link->IsOpen()) << link->FailureReason();
    unsigned char buffer[8] = {};

    // A silent line: n + 500 ms.
    auto start = steady_clock::now();
    EXPECT_EQ(link->Read(buffer, 1), 0);
    EXPECT_GE(Elapsed(start), 450ms);
    EXPECT_LT(Elapsed(start), 1500ms);

    // A 3-byte burst into an 8-byte read: back about 100 ms after the burst.
    std::thread device([&] {
        std::this_thread::sleep_for(50ms);
        peer.Send("abc");
    });
    start = steady_clock::now();
    EXPECT_EQ(link->Read(buffer, 8), 3);
    const auto took = Elapsed(start);
    device.join();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), "abc");
    EXPECT_GE(took, 120ms);
    EXPECT_LT(took, 450ms);

    // Bytes already waiting fill the read at once.
    peer.Send("12345678");
    std::this_thread::sleep_for(20ms);
    start = steady_clock::now();
    EXPECT_EQ(link->Read(buffer, 8), 8);
    EXPECT_LT(Elapsed(start), 100ms);
}

TEST(SerialLink, WritesReachTheDevice) {
    PtyPeer peer;
    auto link = OpenLink(peer.TerminalPath());
    ASSERT_TRUE(link->IsOpen());
    const unsigned char command[] = {0x1b, 0x72, 0x35, 0xfe};
    EXPECT_EQ(link->Write(command, 4), 4);
    EXPECT_EQ(peer.Receive(1s, 4), "\x1b\x72\x35\xfe");
}

// The port is held exclusively while open, and free again once closed.
TEST(SerialLink, OpenFailuresNameThePathTriedAndTellBusyFromForbidden) {
    PtyPeer peer;
    auto holder = OpenLink(peer.TerminalPath());
    ASSERT_TRUE(holder->IsOpen());
    TempDir dir;
    const std::string forbidden = (dir / "forbidden").string();
    WriteFile(forbidden, "");
    std::filesystem::permissions(forbidden, std::filesystem::perms::none);
    const bool root = geteuid() == 0;  // root opens a file whatever its mode says
    struct Case {
        std::string name;
        std::string tried;
        const char* reason;
        bool dialoutHint;
    } cases[] = {
        {peer.TerminalPath(), peer.TerminalPath(), "in use by another program", false},
        {forbidden, forbidden, "Permission denied", true},
        {"missing/tty", (std::filesystem::current_path() / "missing/tty").string(),
         "No such file or directory", false},
    };
    for (const auto& c : cases) {
        if (root && c.dialoutHint) continue;
        const std::string reason = OpenLink(c.name)->FailureReason();
        EXPECT_TRUE(reason.starts_with(c.tried + ": " + c.reason)) << reason;
        EXPECT_EQ(reason.find("dialout") != std::string::npos, c.dialoutHint) << reason;
    }
    holder->Close();
    EXPECT_TRUE(OpenLink(peer.TerminalPath())->IsOpen());
    if (root) GTEST_SKIP() << "the missing permission is only seen by a user other than root";
}

TEST(SerialLink, APortThatIsNotThereReadsNothingAtOnce) {
    auto link = OpenLink("COM_does_not_exist");
    EXPECT_FALSE(link->IsOpen());
    EXPECT_FALSE(link->IsBroken());
    unsigned char buffer[4];
    const unsigned char bytes[] = {1, 2};
    const auto start = steady_clock::now();
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(link->Read(buffer, 4), 0);
        EXPECT_EQ(link->Write(bytes, 2), 0);
    }
    EXPECT_LT(Elapsed(start), 100ms);
    link->Close();  // no effect, no crash
}

TEST(SerialLink, APortThatBreaksIsReportedNotRetried) {
    PtyPeer peer;
    auto link = OpenLink(peer.TerminalPath(), {20, 1, 500, 2, 100});
    ASSERT_TRUE(link->IsOpen());
    unsigned char buffer[4];
    std::thread device([&] {
        std::this_thread::sleep_for(50ms);
        peer.HangUp();
    });
    auto start = steady_clock::now();
    for (int i = 0; i < 5 && !link->IsBroken(); ++i) link->Read(buffer, 1);
    device.join();
    EXPECT_TRUE(link->IsBroken());
    EXPECT_EQ(link->FailureReason(), "the device closed the line or was unplugged");
    // Once broken, nothing waits any more.
    start = steady_clock::now();
    for (int i = 0; i < 100; ++i) EXPECT_EQ(link->Read(buffer, 4), 0);
    EXPECT_LT(Elapsed(start), 100ms);
}

TEST(SerialLink, SettingsThatDoNotParseStillOpen) {
    PtyPeer peer;
    SerialLink link;
    link.SetPortName(peer.TerminalPath());
    link.SetSettings("baud=fast");
    link.Open();
    EXPECT_TRUE(link.IsOpen());
}

TEST(SerialLink, ShortenedTimeoutsShortenTheSilentRead) {
    PtyPeer peer;
    auto link = OpenLink(peer.TerminalPath(), {10, 0, 30, 0, 100});
    unsigned char buffer[1];
    const auto start = steady_clock::now();
    EXPECT_EQ(link->Read(buffer, 1), 0);
    EXPECT_LT(Elapsed(start), 300ms);
}

}  // namespace
