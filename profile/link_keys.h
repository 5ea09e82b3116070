#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the program reaches the device, from the profile's [Protocol] section: a serial
// port (the default, as every profile without the section has it) or USB HID reports to
// the device with the given USB ids.
struct LinkKeys {
    enum class Link { Serial, Hid };
    Link link = Link::Serial;
    uint16_t usbVendor = kDefaultUsbVendor;
    uint16_t usbProduct = kDefaultUsbProduct;

    static constexpr uint16_t kDefaultUsbVendor = 0x0801;
    static constexpr uint16_t kDefaultUsbProduct = 0x0003;
};

// Link=: serial or hid, without regard to case.
std::optional<LinkKeys::Link> ParseLinkName(std::string_view text);

// UsbVendor=, UsbProduct=: hex, one to four digits, an optional 0x before them.
std::optional<uint16_t> ParseUsbId(std::string_view text);

// "0801": the four hex digits a USB id is written with.
std::string UsbIdText(uint16_t id);
