// The simulator's write parser on a profile drawn from the input and whatever bytes the
// rest holds, taken the way the simulator takes them: an element off the front, a byte
// dropped as noise when nothing claims it, a stop where more must come.
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "write_parser.h"

namespace {

using Claim = DeviceSide::Claim;

void CheckCard(const WriteParser::Result& result, std::string_view taken,
               const DeviceProfile& profile) {
    const std::string_view tail = profile.WriteTail.View();
    std::size_t dataBytes = 0;
    for (const auto& [track, data] : result.element.tracks) {
        Require(track >= 1 && track <= 3, "tracks 1 to 3");
        Require(tail.empty() || data.find(tail) == std::string::npos, "no tail inside the data");
        Require(taken.find(data) != std::string_view::npos, "data comes from the bytes taken");
        dataBytes += data.size();
    }
    Require(!result.element.tracks.empty() && result.element.tracks.size() <= 2,
            "a card holds one track or a pair");
    Require(dataBytes < taken.size(), "a command in front of the data");
    if (!tail.empty()) Require(taken.ends_with(tail), "a card ends with the tail");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    DeviceProfile profile;
    for (CommandSlot* slot :
         {&profile.CmdSetHighWrite, &profile.CmdSetISO, &profile.CmdSetIBM,
          &profile.CmdSetTack2Lower, &profile.CmdSetTack2High, &profile.WriteTack1,
          &profile.WriteTack2, &profile.WriteTack3, &profile.WriteTack12, &profile.WriteTack23,
          &profile.CmdCheckStatus, &profile.WriteTail}) {
        input.Slot(*slot, 0, 3);
    }
    input.Slot(profile.SPaceCharacter12, 0, 2);
    input.Slot(profile.SpaceCharacter23, 0, 2);
    const WriteParser parser(profile);

    std::string_view pending = input.Rest();
    while (!pending.empty()) {
        const WriteParser::Result result = parser.Parse(pending);
        if (result.claim != Claim::Taken) {
            Require(result.taken == 0, "only a claim takes bytes");
            if (result.claim == Claim::NeedMore) break;
            pending.remove_prefix(1);
            continue;
        }
        Require(result.taken > 0 && result.taken <= pending.size(), "takes what is there");
        const std::string_view taken = pending.substr(0, result.taken);
        if (result.element.kind == WriteElement::Kind::Card) {
            CheckCard(result, taken, profile);
        } else {
            Require(result.element.tracks.empty(), "only a card has track data");
        }
        pending.remove_prefix(result.taken);
    }
    return 0;
}
