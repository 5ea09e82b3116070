#pragma once

#include <chrono>
#include <deque>
#include <string>

// Bytes the device will send, each piece at its own time: a delayed card swipe, a reply
// split in two with a pause, and so on. Pieces leave in the order they were queued.
class Scheduler {
  public:
    using Clock = std::chrono::steady_clock;

    // Queues `bytes` to leave `delayMs` after the previous piece (or after now, when the
    // queue is empty).
    void After(int delayMs, std::string bytes);
    // Drops everything not yet sent (a reset, or a new command that replaces the old).
    void Cancel() { pending_.clear(); }
    bool Idle() const { return pending_.empty(); }

    // Milliseconds until the next piece is due (0 when one is due now), -1 when idle.
    int MillisecondsToNext() const;
    // Takes the pieces that are due.
    std::string TakeDue();

  private:
    struct Piece {
        Clock::time_point due;
        std::string bytes;
    };
    std::deque<Piece> pending_;
};
