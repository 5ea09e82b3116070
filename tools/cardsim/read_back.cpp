#include "read_back.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, ReadBackMode>, 3> kModeNames = {{
    {"same", ReadBackMode::Same},
    {"garbled", ReadBackMode::Garbled},
    {"fail", ReadBackMode::Fail},
}};

}  // namespace

std::optional<std::string> ReadBackQueue::Parse(const std::string& list,
                                                std::vector<ReadBackMode>& modes) {
    modes.clear();
    std::istringstream words(list);
    std::string word;
    while (std::getline(words, word, ',')) {
        const auto known = std::find_if(kModeNames.begin(), kModeNames.end(),
                                        [&](const auto& entry) { return word == entry.first; });
        if (known == kModeNames.end())
            return "--read-back: '" + word + "' is none of same, garbled, fail";
        modes.push_back(known->second);
    }
    if (modes.empty()) return "--read-back needs at least one of same, garbled, fail";
    return std::nullopt;
}

const char* ReadBackQueue::Usage() {
    return "  --read-back LIST   after each confirmed card, the next read swipes that card back:\n"
           "                     same, garbled (one byte changed) or fail (a failed track),\n"
           "                     comma-separated, taken in turn (default: no read-back)\n";
}

void ReadBackQueue::Written(const CardTracks& tracks, bool othersBlank) {
    if (!Enabled()) return;
    const ReadBackMode mode = modes_[next_++ % modes_.size()];
    Card card;
    for (const auto& [track, data] : tracks) card.tracks.at(track - 1) = data;
    auto first = std::find_if(card.tracks.begin(), card.tracks.end(),
                              [](const auto& track) { return track.has_value(); });
    if (first != card.tracks.end()) {
        if (mode == ReadBackMode::Fail) first->reset();
        if (mode == ReadBackMode::Garbled && !(*first)->empty()) (**first)[0] ^= 0x01;
    }
    for (int track = 1; othersBlank && track <= 3; ++track) {
        if (tracks.count(track) == 0) card.tracks.at(track - 1) = std::string();
    }
    waiting_ = card;
}

std::optional<Card> ReadBackQueue::Take() {
    return std::exchange(waiting_, std::nullopt);
}
