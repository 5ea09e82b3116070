#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data_folders.h"
#include "device_family.h"
#include "esc_replies.h"
#include "read_back.h"
#include "read_settings.h"
#include "write_scenario.h"

// Everything the simulator's command line sets, checked.
struct SimOptions {
    std::filesystem::path link;     // where the console finds the port
    std::filesystem::path profile;  // the device profile
    DeviceFamily family = DeviceFamily::Commands;
    std::string transcript;  // empty: no transcript
    ReadSettings reading;
    WriteScenario writing;
    EscReplies escReplies;
    std::vector<ReadBackMode> readBack;  // empty: reads never swipe a written card back
};

// Reads the options (`arguments` without the program's name) into `options`; the link and
// the profile default to where the console of these folders looks for them (COM1 among its
// port links, its profile); the family is --family's or the profile's. An error text when an option
// is unknown, lacks its value or makes no sense.
std::optional<std::string> ParseSimOptions(const std::vector<std::string>& arguments,
                                           const DataFolders& console, SimOptions& options);
void PrintUsage();
