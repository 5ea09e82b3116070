#include "read_side.h"

ReadSide::ReadSide(const DeviceProfile& profile, const CommandLine& options) : profile_(profile) { (void)options; }

DeviceSide::Offer ReadSide::Take(std::string_view pending, Scheduler& output) {
    (void)pending;
    (void)output;
    return {};
}

std::vector<std::string> ReadSide::OptionNames() { return {}; }

const char* ReadSide::Usage() { return ""; }
