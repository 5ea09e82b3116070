#include "write_side.h"

#include <cstdio>
#include <utility>

#include "scheduler.h"
#include "write_report.h"

namespace {

struct ReplySlots {
    const CommandSlot& right;
    const CommandSlot& wrong;
};

ReplySlots SlotsFor(const DeviceProfile& profile, const CardTracks& card) {
    const bool has1 = card.count(1) != 0;
    const bool has2 = card.count(2) != 0;
    const bool has3 = card.count(3) != 0;
    if (has1 && has2) return {profile.WriteTack12Right, profile.WriteTack12Wrong};
    if (has2 && has3) return {profile.WriteTack23Right, profile.WriteTack23Wrong};
    if (has1) return {profile.WriteTack1Right, profile.WriteTack1Wrong};
    if (has3) return {profile.WriteTack3Right, profile.WriteTack3Wrong};
    return {profile.WriteTack2Right, profile.WriteTack2Wrong};
}

}  // namespace

WriteSide::WriteSide(const DeviceProfile& profile, WriteScenario scenario, ReadBackQueue& readBack)
    : profile_(profile), parser_(profile), scenario_(std::move(scenario)), readBack_(readBack) {}

DeviceSide::Offer WriteSide::Take(std::string_view pending, Scheduler& output) {
    const WriteParser::Result result = parser_.Parse(pending);
    if (result.claim == Claim::Taken) Apply(result.element, output);
    return {result.claim, result.taken};
}

void WriteSide::Reset() {
    setup_ = {};
    card_.reset();
}

void WriteSide::Apply(const WriteElement& element, Scheduler& output) {
    using Kind = WriteElement::Kind;
    switch (element.kind) {
        case Kind::HighCoercivity:
            setup_.highCoercivity = true;
            break;
        case Kind::IsoFormat:
            setup_.format = "ISO";
            break;
        case Kind::IbmFormat:
            setup_.format = "IBM";
            break;
        case Kind::LowDensity:
            setup_.density = "track-2 low density";
            break;
        case Kind::HighDensity:
            setup_.density = "track-2 high density";
            break;
        case Kind::Card:
            card_ = element.tracks;
            break;
        case Kind::CheckStatus:
            Answer(output);
            break;
    }
}

void WriteSide::Answer(Scheduler& output) {
    if (!card_) {
        std::fprintf(stderr, "cardsim: status asked with no card written; no answer\n");
        return;
    }
    const WriteScenario::Reply reply = scenario_.replies[nextReply_++ % scenario_.replies.size()];
    ReportWrittenCard(std::string(setup_.highCoercivity ? "high" : "low") + " coercivity, " +
                          setup_.format + ", " + setup_.density,
                      *card_, ReplyName(reply));

    if (reply == WriteScenario::Reply::Ok || reply == WriteScenario::Reply::Split)
        readBack_.Written(*card_);
    const std::string bytes = ReplyBytes(reply);
    if (reply == WriteScenario::Reply::Split && bytes.size() >= 2) {
        output.After(scenario_.replyMs, bytes.substr(0, bytes.size() / 2));
        output.After(scenario_.splitMs, bytes.substr(bytes.size() / 2));
    } else if (!bytes.empty()) {
        output.After(scenario_.replyMs, bytes);
    }
    Reset();
}

std::string WriteSide::ReplyBytes(WriteScenario::Reply reply) const {
    const ReplySlots slots = SlotsFor(profile_, *card_);
    switch (reply) {
        case WriteScenario::Reply::None:
            return {};
        case WriteScenario::Reply::Fail:
        case WriteScenario::Reply::FormatError:
        case WriteScenario::Reply::BadCommand:
        case WriteScenario::Reply::SwipeError:
        case WriteScenario::Reply::FailA: {
            if (!slots.wrong.Empty()) return std::string(slots.wrong.View());
            // No wrong reply in the profile: the right one with its first byte changed.
            std::string bytes(slots.right.View());
            if (!bytes.empty()) bytes[0] = bytes[0] == 0x15 ? 0x06 : 0x15;
            return bytes;
        }
        case WriteScenario::Reply::Ok:
        case WriteScenario::Reply::Split:
            break;
    }
    return std::string(slots.right.View());
}
