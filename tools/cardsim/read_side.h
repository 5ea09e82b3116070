#pragma once

#include <optional>
#include <string_view>

#include "device_profile.h"
#include "device_side.h"
#include "read_back.h"
#include "read_settings.h"
#include "read_swipe.h"
#include "scheduler.h"
#include "swipe_queue.h"

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

    const DeviceProfile& profile_;
    const ReadSettings settings_;
    SwipeQueue swipes_;
    Scheduler::Clock::time_point swipeDue_{};
};
