#include "hid_link.h"

#include <gtest/gtest.h>

#include "fake_hid_devices.h"
#include "profile_text.h"

namespace {

// Short enough for a quick suite, long enough to tell the three ends of a read apart.
constexpr SerialTimeouts kTimeouts{50, 1, 300, 2, 3000};

struct OpenLink {
    FakeHidDevices devices;
    std::shared_ptr<FakeEncoder> encoder = devices.Plug("/dev/hidraw4");
    HidLink link{devices, 0x0801, 0x0003, kTimeouts};
    OpenLink() { link.Open(); }

    std::string Read(int32_t count) {
        std::string bytes(static_cast<std::size_t>(count), '\0');
        bytes.resize(static_cast<std::size_t>(
            link.Read(reinterpret_cast<unsigned char*>(bytes.data()), count)));
        return bytes;
    }
};

TEST(HidLink, BytesRunThroughTheReportsBothWays) {
    OpenLink peer;
    ASSERT_TRUE(peer.link.IsOpen()) << peer.link.FailureReason();
    const std::string block = Hex("1B 73 1B 01") + std::string(76, 'A') + Hex("3F 1C 1B 30");
    peer.encoder->SetResponder([&](const std::string&) { return block; });
    const std::string command = Hex("1B 72");
    EXPECT_EQ(peer.link.Write(reinterpret_cast<const unsigned char*>(command.data()), 2), 2);
    std::string report(65, '\0');
    report.replace(1, 3, Hex("C2 1B 72"));
    EXPECT_EQ(peer.encoder->Writes(), std::vector<std::string>{report});
    // Two reports come as one stream; a longer read ends on the pause after them.
    EXPECT_EQ(peer.Read(200), block);
    EXPECT_FALSE(peer.link.IsBroken());
}

TEST(HidLink, AMessageWithoutItsLastReportTimesOutUnread) {
    OpenLink peer;
    peer.encoder->PushReport(Hex("82 1B 73") + std::string(61, '\0'));
    EXPECT_EQ(peer.Read(4), "");
    EXPECT_FALSE(peer.link.IsBroken());
}

TEST(HidLink, UnpluggedOrNonsenseEndsTheLinkWithAReason) {
    const std::vector<std::pair<std::function<void(FakeEncoder&)>, std::string>> cases = {
        {[](FakeEncoder& e) { e.Unplug(); },
         "the device was unplugged or failed: device disconnected"},
        {[](FakeEncoder& e) { e.PushReport(Hex("05 1B 30") + std::string(61, '\0')); },
         "the device sent a report (header 05) continuing a message that never began"},
    };
    for (const auto& [fault, reason] : cases) {
        OpenLink peer;
        fault(*peer.encoder);
        EXPECT_EQ(peer.Read(2), "");
        EXPECT_TRUE(peer.link.IsBroken());
        EXPECT_EQ(peer.link.FailureReason(), reason);
    }
}

TEST(HidLink, AnOpenThatFailsSaysWhy) {
    struct Case {
        std::vector<std::string> plugged;
        std::string port;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {{}, "HID1", "no USB encoder 0801:0003 is plugged in"},
        {{"/dev/hidraw2"}, "hid2", "hid2 is not plugged in: the USB encoders found are HID1 to HID1"},
        {{"/dev/hidraw9"}, "HID1", "/dev/hidraw9: Permission denied"},
    };
    for (const Case& c : cases) {
        FakeHidDevices devices;
        for (const std::string& path : c.plugged) devices.RefuseOpen(path, "Permission denied");
        HidLink link(devices, 0x0801, 0x0003, kTimeouts);
        link.SetPortName(c.port);
        link.Open();
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(link.FailureReason(), c.reason) << c.port;
    }
}

}  // namespace
