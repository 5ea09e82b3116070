#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "device_profile.h"
#include "device_side.h"

// What the device writes onto a card: each track's data, by track number.
using CardTracks = std::map<int, std::string>;

// One piece of the write conversation, as the device recognises it at the front of
// what it has received.
struct WriteElement {
    enum class Kind {
        HighCoercivity,
        IsoFormat,
        IbmFormat,
        LowDensity,
        HighDensity,
        Card,         // a track command, its data and the tail
        CheckStatus,  // the console asks how the write went
    };
    Kind kind = Kind::CheckStatus;
    CardTracks tracks;  // for Card
};

// Recognises write elements in the profile's bytes. Track data may hold any byte but the
// tail; a pair's data is split at the first separator. It knows nothing of the console's
// code on purpose: both are tested against each other.
class WriteParser {
  public:
    // Longest run of track data waited for before the bytes are given up as noise.
    static constexpr std::size_t kMaxDataBytes = 1024;

    struct Result {
        DeviceSide::Claim claim = DeviceSide::Claim::NotMine;
        std::size_t taken = 0;
        WriteElement element;
    };

    explicit WriteParser(const DeviceProfile& profile);
    Result Parse(std::string_view pending) const;

  private:
    struct Command {
        std::string bytes;
        WriteElement::Kind kind;
        int firstTrack = 0;  // for a track command: the track its data starts with
    };
    Result ParseCard(std::string_view pending, const Command& command) const;
    CardTracks SplitData(std::string_view data, const Command& command) const;

    std::vector<Command> commands_;
    std::string tail_;
    std::string status_;
    std::string separator12_;
    std::string separator23_;
};
