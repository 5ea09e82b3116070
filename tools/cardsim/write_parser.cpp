#include "write_parser.h"

#include <algorithm>

namespace {

std::string Bytes(const CommandSlot& slot) {
    return std::string(slot.View());
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

WriteParser::WriteParser(const DeviceProfile& profile)
    : tail_(Bytes(profile.WriteTail)),
      status_(Bytes(profile.CmdCheckStatus)),
      separator12_(Bytes(profile.SPaceCharacter12)),
      separator23_(Bytes(profile.SpaceCharacter23)) {
    using Kind = WriteElement::Kind;
    const std::vector<Command> all = {
        {Bytes(profile.CmdSetHighWrite), Kind::HighCoercivity, 0},
        {Bytes(profile.CmdSetISO), Kind::IsoFormat, 0},
        {Bytes(profile.CmdSetIBM), Kind::IbmFormat, 0},
        {Bytes(profile.CmdSetTack2Lower), Kind::LowDensity, 0},
        {Bytes(profile.CmdSetTack2High), Kind::HighDensity, 0},
        {Bytes(profile.WriteTack1), Kind::Card, 1},
        {Bytes(profile.WriteTack2), Kind::Card, 2},
        {Bytes(profile.WriteTack3), Kind::Card, 3},
        {Bytes(profile.WriteTack12), Kind::Card, 1},
        {Bytes(profile.WriteTack23), Kind::Card, 2},
        {status_, Kind::CheckStatus, 0},
    };
    for (const auto& command : all) {
        if (!command.bytes.empty()) commands_.push_back(command);
    }
    // Where one command begins another, the longer one is meant.
    std::stable_sort(commands_.begin(), commands_.end(), [](const Command& a, const Command& b) {
        return a.bytes.size() > b.bytes.size();
    });
}

WriteParser::Result WriteParser::Parse(std::string_view pending) const {
    bool partial = false;
    for (const auto& command : commands_) {
        if (StartsWith(pending, command.bytes)) {
            if (command.kind == WriteElement::Kind::Card) return ParseCard(pending, command);
            return {DeviceSide::Claim::Taken, command.bytes.size(), {command.kind, {}}};
        }
        partial = partial || StartsWith(command.bytes, pending);
    }
    return {partial ? DeviceSide::Claim::NeedMore : DeviceSide::Claim::NotMine, 0, {}};
}

WriteParser::Result WriteParser::ParseCard(std::string_view pending, const Command& command) const {
    const std::string_view afterCommand = pending.substr(command.bytes.size());
    // Without a tail in the profile the data can only end where the status request begins;
    // that request is then left for the next element.
    const std::string& end = tail_.empty() ? status_ : tail_;
    if (end.empty()) return {};
    const std::size_t found = afterCommand.find(end);
    if (found == std::string_view::npos) {
        const bool mayStillCome = afterCommand.size() <= kMaxDataBytes;
        return {mayStillCome ? DeviceSide::Claim::NeedMore : DeviceSide::Claim::NotMine, 0, {}};
    }
    const std::size_t consumed = command.bytes.size() + found + (tail_.empty() ? 0 : tail_.size());
    return {DeviceSide::Claim::Taken,
            consumed,
            {WriteElement::Kind::Card, SplitData(afterCommand.substr(0, found), command)}};
}

CardTracks WriteParser::SplitData(std::string_view data, const Command& command) const {
    const int first = command.firstTrack;
    if (first == 3) {
        // Track 3 alone: its data may stand behind the 2-3 separator.
        if (!separator23_.empty() && StartsWith(data, separator23_))
            data.remove_prefix(separator23_.size());
        return {{3, std::string(data)}};
    }
    const std::string& separator = first == 1 ? separator12_ : separator23_;
    const std::size_t at = separator.empty() ? std::string_view::npos : data.find(separator);
    if (at == std::string_view::npos) return {{first, std::string(data)}};
    return {{first, std::string(data.substr(0, at))},
            {first + 1, std::string(data.substr(at + separator.size()))}};
}
