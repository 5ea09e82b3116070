#pragma once

#include "read_back.h"
#include "read_settings.h"
#include "read_swipe.h"
#include "swipe_cards.h"

// The card each swipe puts through the reader: a written card waiting to come back first,
// else the list's cards and scenarios in turn.
class SwipeQueue {
  public:
    struct Swipe {
        Card card;
        SwipeScenario scenario = SwipeScenario::Good;
        bool readBack = false;  // a written card swiped back
    };

    SwipeQueue(const ReadSettings& settings, ReadBackQueue& readBack)
        : settings_(settings), readBack_(readBack) {}

    // Takes the next card; it is Current() from now on.
    void Begin();
    // The swipe begun last never went through: its card stays the next one.
    void Undo();
    const Swipe& Current() const { return swipe_; }
    // Says on standard output what the swipe begun last brings, `what` being the tracks
    // asked for.
    void Report(const char* what) const;

  private:
    const ReadSettings& settings_;
    ReadBackQueue& readBack_;
    Swipe swipe_;
    int swipes_ = 0;  // swipes of the list begun, including one still waiting
};
