#include "sim_options.h"

#include <cstdio>

#include "esc_side.h"
#include "executable_dir.h"

std::optional<std::string> ParseSimOptions(const std::vector<std::string>& arguments,
                                           const DataFolders& console, SimOptions& options) {
    std::vector<std::string> known = {"--link", "--profile", "--transcript", "--read-back",
                                      "--family"};
    for (const auto& name : ReadSettings::OptionNames()) known.push_back(name);
    for (const auto& name : WriteScenario::OptionNames()) known.push_back(name);
    for (const auto& name : EscReplies::OptionNames()) known.push_back(name);
    CommandLine line;
    if (auto error = line.Parse(arguments, known)) return error;

    options.link = line.Get("--link", (PortLinksFolder(console) / "COM1").string());
    options.profile = line.Get("--profile", FindDataFile(kProfileFileName, console).string());
    options.transcript = line.Get("--transcript", "");
    const auto family =
        line.Has("--family") ? std::optional(line.Get("--family", "")) : std::nullopt;
    if (auto error = ChooseFamily(family, options.profile, options.family)) return error;
    if (auto error = ReadSettings::Parse(line, options.reading)) return error;
    if (line.Has("--read-back")) {
        if (auto error = ReadBackQueue::Parse(line.Get("--read-back", ""), options.readBack))
            return error;
    }
    if (auto error = EscReplies::Parse(line, options.escReplies)) return error;
    return WriteScenario::Parse(line, options.writing);
}

void PrintUsage() {
    std::printf(
        "usage: cardsim [options]\n"
        "  --link PATH        where the console finds the port (default: ports/COM1 beside\n"
        "                     the console executable; installed in a folder without one:\n"
        "                     ~/.config/carddemo/ports/COM1)\n"
        "  --profile PATH     device profile (default: the console's QXProduct.ini: beside\n"
        "                     it, else in ~/.config/carddemo, else in ../share/carddemo)\n"
        "  --transcript FILE  timestamped hex of every byte, both ways\n"
        "  --family NAME      the device's language: commands (the profile's bytes) or\n"
        "                     esc-block (fixed ESC-block frames; the profile's commands\n"
        "                     are not used); default: the profile's [Protocol] Family,\n"
        "                     commands when it has none\n"
        "%s%s%s%s%s",
        ReadSettings::Usage(), WriteScenario::Usage(), ReadBackQueue::Usage(), EscReplies::Usage(),
        EscSide::Usage());
}
