#pragma once

#include <optional>
#include <string_view>

#include "device_profile.h"
#include "device_side.h"
#include "read_back.h"
#include "read_settings.h"
#include "read_swipe.h"
#include "scheduler.h"

// Answers read commands by swiping cards: some time after a read command the next card of
// the list goes through the reader and the reply leaves as the scenario says.
class ReadSide : public DeviceSide {
  public:
    // A written card waiting in `readBack` is the next one swiped.
    ReadSide(const DeviceProfile& profile, ReadSettings settings, ReadBackQueue& readBack);
    Offer Take(std::string_view pending, Scheduler& output) override;
    void Reset() override;

  private:
    struct Match {
        std::optional<ReadKind> kind;
        std::size_t length = 0;
        bool prefix = false;  // the bytes could still become a command
    };
    Match MatchCommand(std::string_view pending) const;
    void Swipe(ReadKind kind, Scheduler& output);
    // The card and the scenario of a swipe that begins now.
    void BeginSwipe();

    struct SwipeCard {
        Card card;
        SwipeScenario scenario = SwipeScenario::Good;
        bool readBack = false;  // a written card swiped back
    };

    const DeviceProfile& profile_;
    const ReadSettings settings_;
    ReadBackQueue& readBack_;
    SwipeCard swipe_;
    int swipes_ = 0;  // swipes begun, including one still waiting
    Scheduler::Clock::time_point swipeDue_{};
};
