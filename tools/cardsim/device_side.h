#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class Scheduler;

// One kind of conversation the simulated device holds (reading, writing). The dispatcher
// offers it the bytes that have arrived and not been taken yet.
class DeviceSide {
  public:
    enum class Claim {
        NotMine,   // these bytes do not start anything this side knows
        NeedMore,  // they may start something of this side; wait for more bytes
        Taken,     // the side took `taken` bytes from the front and has answered
    };
    struct Offer {
        Claim claim = Claim::NotMine;
        std::size_t taken = 0;
    };

    virtual ~DeviceSide() = default;
    virtual Offer Take(std::string_view pending, Scheduler& output) = 0;
    // The device was reset: forget any conversation in progress.
    virtual void Reset() {}
};
