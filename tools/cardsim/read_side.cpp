#include "read_side.h"

#include <array>
#include <utility>

ReadSide::ReadSide(const DeviceProfile& profile, ReadSettings settings, ReadBackQueue& readBack)
    : profile_(profile), settings_(std::move(settings)), swipes_(settings_, readBack) {}

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
    if (Scheduler::Clock::now() < swipeDue_) swipes_.Undo();
    swipeDue_ = {};
}

void ReadSide::Swipe(ReadKind kind, Scheduler& output) {
    // The console asks again while it waits; a card that has not gone through yet is still
    // the one to swipe. The device does one thing at a time: a read command also ends
    // whatever else it was sending.
    const auto now = Scheduler::Clock::now();
    if (now >= swipeDue_) swipes_.Begin();
    output.Cancel();
    swipeDue_ = now + std::chrono::milliseconds(settings_.swipeMs);

    const SwipeQueue::Swipe& swipe = swipes_.Current();
    const auto pieces =
        SwipePieces(swipe.scenario, SwipeData(kind, swipe.card, profile_), profile_);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        output.After(i == 0 ? settings_.swipeMs : settings_.pauseMs, pieces[i]);
    swipes_.Report(ReadKindName(kind));
}
