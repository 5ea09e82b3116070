#include "esc_frames.h"

#include <algorithm>
#include <utility>

namespace {

using Claim = DeviceSide::Claim;
using Kind = EscCommand::Kind;
using namespace std::string_view_literals;

struct Simple {
    char code;
    Kind kind;
    std::size_t parameters;
};

constexpr std::array<Simple, 12> kSimple = {{
    {'\x65', Kind::CommunicationTest, 0},
    {'\x74', Kind::Model, 0},
    {'\x76', Kind::Firmware, 0},
    {'\x72', Kind::Read, 0},
    {'\x63', Kind::Erase, 1},
    {'\x78', Kind::HighCoercivity, 0},
    {'\x79', Kind::LowCoercivity, 0},
    {'\x64', Kind::WhichCoercivity, 0},
    {'\x62', Kind::Density, 1},
    {'\x6f', Kind::BitsPerChar, 3},
    {'\x7a', Kind::LeadingZeros, 2},
    {'\x6c', Kind::ReadLeadingZeros, 0},
}};

// The write command and the block's fixed start up to track 1's data.
constexpr std::string_view kWriteStart = "\x1b\x77\x1b\x73\x1b\x01"sv;
constexpr std::string_view kBlockEnd = "\x3f\x1c"sv;

EscParse Broken(std::size_t taken) {
    return {Claim::Taken, taken, {Kind::BadWriteBlock, {}, {}}};
}

EscParse WaitOrBreak(std::size_t dataBytes, std::size_t size) {
    return dataBytes > kMaxEscTrackBytes ? Broken(size) : EscParse{Claim::NeedMore, 0, {}};
}

EscParse ParseWriteBlock(std::string_view pending) {
    const std::size_t fixed = std::min(pending.size(), kWriteStart.size());
    const auto differs =
        std::mismatch(kWriteStart.begin(), kWriteStart.begin() + fixed, pending.begin()).first;
    if (differs != kWriteStart.begin() + fixed) {
        // Up to the byte that differs, or up to its ESC when it is the marker's second byte.
        std::size_t at = static_cast<std::size_t>(differs - kWriteStart.begin());
        if (pending[at] != kEsc && pending[at - 1] == kEsc) --at;
        return Broken(at);
    }
    if (pending.size() < kWriteStart.size()) return {Claim::NeedMore, 0, {}};

    EscCommand command{Kind::Write, {}, {}};
    std::size_t at = kWriteStart.size();
    for (char marker : {'\x02', '\x03'}) {
        const std::size_t esc = pending.find(kEsc, at);
        if (esc == std::string_view::npos) return WaitOrBreak(pending.size() - at, pending.size());
        if (esc + 1 == pending.size()) return {Claim::NeedMore, 0, {}};
        if (pending[esc + 1] != marker) return Broken(esc);
        command.tracks[static_cast<std::size_t>(marker - 2)] =
            std::string(pending.substr(at, esc - at));
        at = esc + 2;
    }
    // Track 3's data holds no ESC; the block ends at the first 3F 1C after it.
    const std::size_t end = pending.find(kBlockEnd, at);
    const std::size_t esc = pending.find(kEsc, at);
    if (esc < end) return Broken(esc);
    if (end == std::string_view::npos) return WaitOrBreak(pending.size() - at, pending.size());
    command.tracks[2] = std::string(pending.substr(at, end - at));
    return {Claim::Taken, end + kBlockEnd.size(), std::move(command)};
}

}  // namespace

EscParse ParseEscCommand(std::string_view pending) {
    if (pending.empty() || pending[0] != kEsc) return {};
    if (pending.size() < 2) return {Claim::NeedMore, 0, {}};
    if (pending[1] == kWriteStart[1]) return ParseWriteBlock(pending);
    const auto simple = std::find_if(kSimple.begin(), kSimple.end(),
                                     [&](const Simple& s) { return s.code == pending[1]; });
    if (simple == kSimple.end())
        return {Claim::Taken, 2, {Kind::Unknown, std::string(1, pending[1]), {}}};
    const std::size_t length = 2 + simple->parameters;
    if (pending.size() < length) return {Claim::NeedMore, 0, {}};
    return {Claim::Taken,
            length,
            {simple->kind, std::string(pending.substr(2, simple->parameters)), {}}};
}

CommandSlot EscResetSlot() {
    CommandSlot slot;
    std::copy(kEscReset.begin(), kEscReset.end(), slot.bytes.begin());
    return slot;
}
