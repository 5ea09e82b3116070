#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "device_profile.h"
#include "device_side.h"

// Takes write sequences, keeps the written card and confirms (or not) as told.
class WriteSide : public DeviceSide {
public:
    WriteSide(const DeviceProfile& profile, const CommandLine& options);
    Offer Take(std::string_view pending, Scheduler& output) override;

    static std::vector<std::string> OptionNames();
    static const char* Usage();

private:
    const DeviceProfile& profile_;
};
