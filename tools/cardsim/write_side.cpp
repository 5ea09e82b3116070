#include "write_side.h"

WriteSide::WriteSide(const DeviceProfile& profile, const CommandLine& options) : profile_(profile) { (void)options; }

DeviceSide::Offer WriteSide::Take(std::string_view pending, Scheduler& output) {
    (void)pending;
    (void)output;
    return {};
}

std::vector<std::string> WriteSide::OptionNames() { return {}; }

const char* WriteSide::Usage() { return ""; }
