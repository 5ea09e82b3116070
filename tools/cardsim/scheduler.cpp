#include "scheduler.h"

#include <algorithm>

void Scheduler::After(int delayMs, std::string bytes) {
    const auto base = pending_.empty() ? Clock::now() : std::max(Clock::now(), pending_.back().due);
    pending_.push_back({base + std::chrono::milliseconds(delayMs), std::move(bytes)});
}

int Scheduler::MillisecondsToNext() const {
    if (pending_.empty()) return -1;
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(pending_.front().due - Clock::now()).count();
    return static_cast<int>(std::max<long long>(0, left));
}

std::string Scheduler::TakeDue() {
    std::string due;
    const auto now = Clock::now();
    while (!pending_.empty() && pending_.front().due <= now) {
        due += pending_.front().bytes;
        pending_.pop_front();
    }
    return due;
}
