#include "dispatcher.h"

#include <cstdio>

#include "scheduler.h"

Dispatcher::Dispatcher(std::vector<DeviceSide*> sides, std::vector<CommandSlot> resets)
    : sides_(std::move(sides)), resets_(std::move(resets)) {}

bool Dispatcher::TakeReset(Scheduler& output) {
    for (const auto& reset : resets_) {
        const std::string_view command = reset.View();
        if (command.empty() || pending_.compare(0, command.size(), command) != 0) continue;
        pending_.erase(0, command.size());
        output.Cancel();
        for (DeviceSide* side : sides_) side->Reset();
        std::fprintf(stderr, "cardsim: reset\n");
        return true;
    }
    return false;
}

void Dispatcher::Receive(std::string_view bytes, Scheduler& output) {
    pending_.append(bytes);
    while (!pending_.empty()) {
        if (TakeReset(output)) continue;
        bool waiting = false;
        bool taken = false;
        for (DeviceSide* side : sides_) {
            const auto offer = side->Take(pending_, output);
            if (offer.claim == DeviceSide::Claim::Taken) {
                pending_.erase(0, offer.taken);
                taken = true;
                break;
            }
            waiting = waiting || offer.claim == DeviceSide::Claim::NeedMore;
        }
        if (taken) continue;
        // A reset may still be arriving, so a lone prefix of one waits too.
        for (const auto& reset : resets_) {
            const std::string_view command = reset.View();
            waiting = waiting || (!command.empty() && command.size() > pending_.size() &&
                                  command.compare(0, pending_.size(), pending_) == 0);
        }
        if (waiting) return;
        pending_.erase(0, 1);
    }
}
