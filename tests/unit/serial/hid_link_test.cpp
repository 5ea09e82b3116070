#include "hid_link.h"

#include <gtest/gtest.h>

#include "fake_hid_devices.h"
#include "profile_text.h"

namespace {

struct OpenLink {
    FakeHidDevices devices;
    std::shared_ptr<FakeEncoder> encoder = devices.Plug("/dev/hidraw4");
    HidLink link{devices, 0x0801, 0x0003, {50, 1, 300, 2, 3000}};
    OpenLink() { link.Open(); }

    std::string Read(int32_t count) {
        std::string bytes(static_cast<std::size_t>(count), '\0');
        bytes.resize(static_cast<std::size_t>(link.Read(reinterpret_cast<unsigned char*>(bytes.data()), count)));
        return bytes;
    }
};

TEST(HidLink, BytesRunThroughTheReportsBothWays) {
    OpenLink peer;
    const std::string block = Hex("1B 73 1B 01") + std::string(76, 'A') + Hex("3F 1C 1B 30");
    peer.encoder->ReplyWith(block);
    EXPECT_EQ(peer.link.Write(reinterpret_cast<const unsigned char*>("\x1b\x72"), 2), 2);
    EXPECT_EQ(peer.encoder->Writes(), std::vector<std::string>{Hex("00 C2 1B 72") + std::string(61, '\0')});
    // Two reports come as one stream; a longer read ends on the pause after them.
    EXPECT_EQ(peer.Read(200), block);
}

TEST(HidLink, AnUnfinishedMessageTimesOutUnreadAndAnUnplugOrNonsenseBreaksTheLink) {
    const std::vector<std::pair<std::function<void(FakeEncoder&)>, std::string>> cases = {
        {[](FakeEncoder& e) { e.PushReport(Hex("82 1B 73") + std::string(61, '\0')); }, ""},
        {[](FakeEncoder& e) { e.Unplug(); }, "the device was unplugged or failed: device disconnected"},
        {[](FakeEncoder& e) { e.PushReport(Hex("05 1B 30") + std::string(61, '\0')); },
         "the device sent a report (header 05) continuing a message that never began"},
    };
    for (const auto& [fault, reason] : cases) {
        OpenLink peer;
        fault(*peer.encoder);
        EXPECT_EQ(peer.Read(2), "");
        EXPECT_EQ(peer.link.IsBroken(), !reason.empty());
        EXPECT_EQ(peer.link.FailureReason(), reason);
    }
}

TEST(HidLink, AnOpenThatFailsSaysWhy) {
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> cases = {
        {{}, "HID1", "no USB encoder 0801:0003 is plugged in"},
        {{"/dev/hidraw2"}, "hid2", "hid2 is not plugged in: the USB encoders found are HID1 to HID1"},
        {{"/dev/hidraw9"}, "HID1", "/dev/hidraw9: Permission denied"},
    };
    for (const auto& [plugged, port, reason] : cases) {
        FakeHidDevices devices;
        for (const std::string& path : plugged) devices.Plug(path, "Permission denied");
        HidLink link(devices, 0x0801, 0x0003);
        link.SetPortName(port);
        link.Open();
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(link.FailureReason(), reason) << port;
    }
}

}  // namespace
