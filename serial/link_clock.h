#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "device_link.h"

// The clock the links' time-outs run on.
using LinkClock = std::chrono::steady_clock;

inline int MillisecondsLeft(LinkClock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - LinkClock::now())
                          .count();
    return static_cast<int>(std::max<long long>(0, left));
}

// When a read of `count` bytes begun now gives up, however the bytes come.
inline LinkClock::time_point ReadDeadline(const SerialTimeouts& timeouts, int32_t count) {
    return LinkClock::now() + std::chrono::milliseconds(int64_t{count} * timeouts.readTotalMultiplierMs +
                                                        timeouts.readTotalConstantMs);
}
