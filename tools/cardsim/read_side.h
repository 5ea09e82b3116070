#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "device_profile.h"
#include "device_side.h"

// Answers read commands by swiping cards.
class ReadSide : public DeviceSide {
public:
    ReadSide(const DeviceProfile& profile, const CommandLine& options);
    Offer Take(std::string_view pending, Scheduler& output) override;

    static std::vector<std::string> OptionNames();
    static const char* Usage();

private:
    const DeviceProfile& profile_;
};
