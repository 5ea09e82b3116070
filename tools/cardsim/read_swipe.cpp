#include "read_swipe.h"

#include <array>
#include <utility>

namespace {

using namespace std::string_view_literals;

constexpr char kFailureMark = 0x7F;
// The byte the device puts before the track-3 characters.
constexpr char kTrack3Lead = '3';
// Well past the 229 bytes a reply may hold.
constexpr std::size_t kOverlongData = 300;
// Noise of odd length, so a reader that reads the head in fixed pieces must resynchronise.
constexpr std::string_view kNoise = "\xff\x00\x55"sv;

constexpr std::array<std::pair<SwipeScenario, const char*>, 7> kScenarioNames = {{
    {SwipeScenario::Good, "good"},
    {SwipeScenario::Garbage, "garbage"},
    {SwipeScenario::Split, "split"},
    {SwipeScenario::Overlong, "overlong"},
    {SwipeScenario::ShortTail, "short-tail"},
    {SwipeScenario::WrongTail, "wrong-tail"},
    {SwipeScenario::Silent, "silent"},
}};

std::string TrackBytes(const Card& card, int number) {
    const auto& track = card.Track(number);
    return track ? *track : std::string(1, kFailureMark);
}

std::string Separator(const CommandSlot& slot) {
    return slot.Empty() ? std::string() : std::string(1, static_cast<char>(slot.First()));
}

}  // namespace

std::optional<SwipeScenario> ScenarioNamed(std::string_view name) {
    for (const auto& [scenario, scenarioName] : kScenarioNames) {
        if (name == scenarioName) return scenario;
    }
    return std::nullopt;
}

const char* ScenarioName(SwipeScenario scenario) {
    for (const auto& [known, name] : kScenarioNames) {
        if (known == scenario) return name;
    }
    return "?";
}

const char* ReadKindName(ReadKind kind) {
    switch (kind) {
        case ReadKind::Track1:
            return "track 1";
        case ReadKind::Track2:
            return "track 2";
        case ReadKind::Track3:
            return "track 3";
        case ReadKind::Track12:
            return "tracks 1+2";
        case ReadKind::Track23:
            return "tracks 2+3";
    }
    return "?";
}

std::string SwipeData(ReadKind kind, const Card& card, const DeviceProfile& profile) {
    switch (kind) {
        case ReadKind::Track1:
            return TrackBytes(card, 1);
        case ReadKind::Track2:
            return TrackBytes(card, 2);
        case ReadKind::Track3:
            return kTrack3Lead + TrackBytes(card, 3);
        case ReadKind::Track12:
            return TrackBytes(card, 1) + Separator(profile.SPaceCharacter12) + TrackBytes(card, 2);
        case ReadKind::Track23:
            return TrackBytes(card, 2) + Separator(profile.SpaceCharacter23) + TrackBytes(card, 3);
    }
    return {};
}

std::vector<std::string> SwipePieces(SwipeScenario scenario, const std::string& data,
                                     const DeviceProfile& profile) {
    const std::string head(profile.ReadHead.View());
    std::string tail(profile.ReadTail.View());
    switch (scenario) {
        case SwipeScenario::Good:
            return {head + data + tail};
        case SwipeScenario::Garbage:
            return {std::string(kNoise), head + data + tail};
        case SwipeScenario::Split: {
            // Cut inside the data and before the tail, never inside the head or the tail.
            const std::size_t half = data.size() / 2;
            return {head + data.substr(0, half), data.substr(half), tail};
        }
        case SwipeScenario::Overlong: {
            const char filler = tail.empty() || tail.front() != '0' ? '0' : '1';
            std::string longData = data;
            if (longData.size() < kOverlongData) longData.resize(kOverlongData, filler);
            return {head + longData + tail};
        }
        case SwipeScenario::ShortTail:
            if (!tail.empty()) tail.pop_back();
            return {head + data + tail};
        case SwipeScenario::WrongTail:
            if (!tail.empty()) tail.back() = static_cast<char>(tail.back() == '\x7e' ? 0x7d : 0x7e);
            return {head + data + tail};
        case SwipeScenario::Silent:
            break;
    }
    return {};
}
