#include "read_side.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Refuse(const std::string& reason) {
    std::fprintf(stderr, "cardsim: %s (see --help)\n", reason.c_str());
    std::exit(2);
}

int NonNegativeOption(const CommandLine& options, const std::string& name, int fallback) {
    const int value = options.GetInt(name, -1);
    if (!options.Has(name)) return fallback;
    if (value < 0) Refuse(name + " needs a whole number of milliseconds");
    return value;
}

std::vector<SwipeScenario> ParseScenarios(const std::string& list) {
    std::vector<SwipeScenario> scenarios;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, end - start);
        const auto scenario = ScenarioNamed(name);
        if (!scenario) Refuse("unknown read scenario \"" + name + "\"");
        scenarios.push_back(*scenario);
        start = end + 1;
    }
    return scenarios;
}

std::vector<Card> CardsFrom(const CommandLine& options) {
    if (!options.Has("--cards")) return SampleCards();
    std::string error;
    auto cards = LoadCardList(options.Get("--cards", ""), error);
    if (cards.empty()) Refuse(error);
    return cards;
}

}  // namespace

ReadSide::ReadSide(const DeviceProfile& profile, const CommandLine& options)
    : profile_(profile),
      cards_(CardsFrom(options)),
      scenarios_(ParseScenarios(options.Get("--read-scenario", "good"))),
      swipeMs_(NonNegativeOption(options, "--swipe-ms", kDefaultSwipeMs)),
      pauseMs_(NonNegativeOption(options, "--read-pause-ms", kDefaultPauseMs)) {}

std::vector<std::string> ReadSide::OptionNames() {
    return {"--cards", "--swipe-ms", "--read-scenario", "--read-pause-ms"};
}

const char* ReadSide::Usage() {
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

ReadSide::Match ReadSide::MatchCommand(std::string_view pending) const {
    const std::array<std::pair<ReadKind, const CommandSlot*>, 5> commands = {{
        {ReadKind::Track1, &profile_.ReadTack1},
        {ReadKind::Track2, &profile_.ReadTack2},
        {ReadKind::Track3, &profile_.ReadTack3},
        {ReadKind::Track12, &profile_.ReadTack12},
        {ReadKind::Track23, &profile_.ReadTack23},
    }};
    Match match;
    for (const auto& [kind, slot] : commands) {
        const std::string_view command = slot->View();
        if (command.empty()) continue;
        if (pending.substr(0, command.size()) == command) {
            if (command.size() > match.length) match = {kind, command.size(), false};
        } else if (pending.size() < command.size() &&
                   command.substr(0, pending.size()) == pending) {
            match.prefix = true;
        }
    }
    return match;
}

DeviceSide::Offer ReadSide::Take(std::string_view pending, Scheduler& output) {
    const Match match = MatchCommand(pending);
    if (!match.kind) return {match.prefix ? Claim::NeedMore : Claim::NotMine, 0};
    Swipe(*match.kind, output);
    return {Claim::Taken, match.length};
}

// A card whose swipe was still waiting never went through: it stays the next one.
void ReadSide::Reset() {
    if (swipes_ > 0 && Scheduler::Clock::now() < swipeDue_) --swipes_;
    swipeDue_ = {};
}

void ReadSide::Swipe(ReadKind kind, Scheduler& output) {
    // The console asks again while it waits; a card that has not gone through yet is still
    // the one to swipe. The device does one thing at a time: a read command also ends
    // whatever else it was sending.
    const auto now = Scheduler::Clock::now();
    if (now >= swipeDue_) ++swipes_;
    output.Cancel();
    swipeDue_ = now + std::chrono::milliseconds(swipeMs_);

    const std::size_t index = static_cast<std::size_t>(swipes_ - 1);
    const Card& card = cards_[index % cards_.size()];
    const SwipeScenario scenario = scenarios_[index % scenarios_.size()];
    const auto pieces = SwipePieces(scenario, SwipeData(kind, card, profile_), profile_);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        output.After(i == 0 ? swipeMs_ : pauseMs_, pieces[i]);

    std::printf("cardsim: swipe %d in %d ms, %s, %s: %s\n", swipes_, swipeMs_, ReadKindName(kind),
                ScenarioName(scenario), DescribeCard(card).c_str());
    std::fflush(stdout);
}
