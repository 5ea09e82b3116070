#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card_list.h"
#include "command_line.h"
#include "device_profile.h"
#include "device_side.h"
#include "read_swipe.h"
#include "scheduler.h"

// Answers read commands by swiping cards: some time after a read command the next card of
// the list goes through the reader and the reply leaves as the scenario says.
class ReadSide : public DeviceSide {
  public:
    // Bad options end the simulator with a message (exit status 2).
    ReadSide(const DeviceProfile& profile, const CommandLine& options);
    Offer Take(std::string_view pending, Scheduler& output) override;
    void Reset() override;

    static std::vector<std::string> OptionNames();
    static const char* Usage();

  private:
    struct Match {
        std::optional<ReadKind> kind;
        std::size_t length = 0;
        bool prefix = false;  // the bytes could still become a command
    };
    Match MatchCommand(std::string_view pending) const;
    void Swipe(ReadKind kind, Scheduler& output);

    const DeviceProfile& profile_;
    std::vector<Card> cards_;
    std::vector<SwipeScenario> scenarios_;
    static constexpr int kDefaultSwipeMs = 1500;
    static constexpr int kDefaultPauseMs = 150;
    int swipeMs_;
    int pauseMs_;
    int swipes_ = 0;  // swipes begun, including one still waiting
    Scheduler::Clock::time_point swipeDue_{};
};
