#include "read_settings.h"

#include <algorithm>

namespace {

std::optional<std::string> ParseScenarios(const std::string& list,
                                          std::vector<SwipeScenario>& scenarios) {
    scenarios.clear();
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, end - start);
        const auto scenario = ScenarioNamed(name);
        if (!scenario) return "unknown read scenario \"" + name + "\"";
        scenarios.push_back(*scenario);
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> ReadSettings::OptionNames() {
    return {"--cards", "--swipe-ms", "--read-scenario", "--read-pause-ms"};
}

const char* ReadSettings::Usage() {
    return "reading:\n"
           "  --cards FILE       cards to swipe, in turn and over again (default: built-in\n"
           "                     samples). One card per line, fields separated by ';':\n"
           "                       2=4000001234567899=2512101;3=994000001234567899=156;1=!\n"
           "                     N=text is track N's characters, N=! a track the reader\n"
           "                     fails on (so is a track left out), N=hex:1b00ff raw bytes.\n"
           "                     Blank lines and lines starting with # are skipped.\n"
           "  --swipe-ms MS      time from a read command to the swipe (default 1500); a new\n"
           "                     read command before then replaces the waiting swipe\n"
           "  --read-scenario L  how swipes go, taken in turn from the comma-separated list\n"
           "                     and over again (default good): good; garbage (noise, a\n"
           "                     pause, the reply); split (the reply in three pieces with\n"
           "                     pauses); overlong (300 data bytes); short-tail (the tail's\n"
           "                     last byte missing); wrong-tail (the tail's last byte wrong);\n"
           "                     silent (no reply)\n"
           "  --read-pause-ms MS the pauses inside garbage and split swipes (default 150)\n";
}

std::optional<std::string> ReadSettings::Parse(const CommandLine& options, ReadSettings& settings) {
    if (options.Has("--cards")) {
        std::string error;
        settings.cards = LoadCardList(options.Get("--cards", ""), error);
        if (settings.cards.empty()) return error;
    }
    if (options.Has("--read-scenario")) {
        if (auto error = ParseScenarios(options.Get("--read-scenario", ""), settings.scenarios))
            return error;
    }
    if (auto error = options.GetMilliseconds("--swipe-ms", settings.swipeMs)) return error;
    return options.GetMilliseconds("--read-pause-ms", settings.pauseMs);
}
