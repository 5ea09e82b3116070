#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hid_devices.h"

// The simulator's device on USB HID, in the test's own process: the host's reports are
// joined into messages for it, and what it sends, each piece at its time, goes back cut
// into reports. `arguments` are cardsim's options (a file they name is looked for in
// `folder`); nothing when they do not parse, with the reason in `error`.
std::shared_ptr<HidReportDevice> SimulatedUsbEncoder(const std::vector<std::string>& arguments,
                                                     const std::filesystem::path& folder,
                                                     std::string& error);
