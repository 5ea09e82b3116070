#include "swipe_queue.h"

#include <cstdio>
#include <utility>

void SwipeQueue::Begin() {
    if (std::optional<Card> written = readBack_.Take()) {
        swipe_ = {std::move(*written), SwipeScenario::Good, true};
        return;
    }
    ++swipes_;
    const std::size_t index = static_cast<std::size_t>(swipes_ - 1);
    swipe_ = {settings_.cards[index % settings_.cards.size()],
              settings_.scenarios[index % settings_.scenarios.size()], false};
}

void SwipeQueue::Undo() {
    if (swipe_.readBack) {
        readBack_.PutBack(swipe_.card);
    } else if (swipes_ > 0) {
        --swipes_;
    }
}

void SwipeQueue::Report(const char* what) const {
    if (swipe_.readBack) {
        std::printf("cardsim: the written card swiped back in %d ms, %s: %s\n", settings_.swipeMs,
                    what, DescribeCard(swipe_.card).c_str());
    } else {
        std::printf("cardsim: swipe %d in %d ms, %s, %s: %s\n", swipes_, settings_.swipeMs, what,
                    ScenarioName(swipe_.scenario), DescribeCard(swipe_.card).c_str());
    }
    std::fflush(stdout);
}
