#include "esc_side.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "esc_answers.h"
#include "write_report.h"

namespace {

using Kind = EscCommand::Kind;
using namespace std::string_view_literals;

constexpr std::string_view kTestReply = "\x1b\x79"sv;
constexpr std::string_view kModel = "\x1b\x33\x53"sv;
constexpr std::string_view kFirmware = "\x1bREVS1.00"sv;

// The erase masks; track 1 alone is 00, not 01.
constexpr std::array<std::pair<unsigned char, const char*>, 7> kEraseMasks = {{
    {0x00, "track 1"},
    {0x02, "track 2"},
    {0x04, "track 3"},
    {0x03, "tracks 1+2"},
    {0x06, "tracks 2+3"},
    {0x05, "tracks 1+3"},
    {0x07, "tracks 1+2+3"},
}};

CardTracks NonEmpty(const std::array<std::string, 3>& tracks) {
    CardTracks card;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        if (!tracks[i].empty()) card[static_cast<int>(i) + 1] = tracks[i];
    }
    return card;
}

}  // namespace

EscSide::EscSide(ReadSettings reading, WriteScenario writing, EscReplies replies,
                 ReadBackQueue& readBack)
    : reading_(std::move(reading)),
      writing_(std::move(writing)),
      replies_(std::move(replies)),
      readBack_(readBack),
      swipes_(reading_, readBack) {}

const char* EscSide::Usage() {
    return "esc-block family:\n"
           "  A read (1b 72) or a write block waits for its swipe, --swipe-ms or\n"
           "  --write-reply-ms, and takes nothing but the reset (1b 61) meanwhile; so does an\n"
           "  erase (1b 63 mask), answered after --write-reply-ms. In --cards, N= with\n"
           "  nothing after it is a blank track (1b 2b); N=! or a track left out, one the\n"
           "  reader fails on (1b 2a). Read scenarios: garbage is noise ending in a lone ESC;\n"
           "  split breaks inside the 1b 02 marker and between the tail's 3f and 1c;\n"
           "  overlong puts 300 characters on track 2; short-tail leaves out the status;\n"
           "  wrong-tail sends status 31. With --read-back, the tracks a write left alone\n"
           "  come back blank.\n";
}

DeviceSide::Offer EscSide::Take(std::string_view pending, Scheduler& output) {
    const EscParse parse = ParseEscCommand(pending);
    if (parse.claim != Claim::Taken) return {parse.claim, 0};
    Settle();
    if (armed_ != Armed::No) {
        std::fprintf(stderr, "cardsim: 1b %02x while waiting for a swipe; ignored\n",
                     static_cast<unsigned char>(pending[1]));
    } else {
        Answer(parse.command, output);
    }
    return {Claim::Taken, parse.taken};
}

void EscSide::Reset() {
    Settle();
    if (armed_ == Armed::Read) swipes_.Undo();
    if (armed_ != Armed::No) {
        std::printf("cardsim: reset before the swipe; nothing done\n");
        std::fflush(stdout);
    }
    armed_ = Armed::No;
    written_.reset();
}

void EscSide::Arm(Armed what, int delayMs) {
    armed_ = what;
    swipeAt_ = Scheduler::Clock::now() + std::chrono::milliseconds(delayMs);
}

void EscSide::Settle() {
    if (armed_ == Armed::No || Scheduler::Clock::now() < swipeAt_) return;
    if (written_) readBack_.Written(*written_, true);
    armed_ = Armed::No;
    written_.reset();
}

void EscSide::Answer(const EscCommand& command, Scheduler& output) {
    if (const auto reply = settings_.Apply(command)) {
        output.After(0, *reply);
        return;
    }
    switch (command.kind) {
        case Kind::CommunicationTest:
            Test(output);
            break;
        case Kind::Model:
            if (replies_.identity) output.After(0, std::string(kModel));
            break;
        case Kind::Firmware:
            if (replies_.identity) output.After(0, std::string(kFirmware));
            break;
        case Kind::Read:
            Read(output);
            break;
        case Kind::Write:
            Write(command, output);
            break;
        case Kind::Erase:
            Erase(static_cast<unsigned char>(command.parameters[0]), output);
            break;
        case Kind::BadWriteBlock:
            std::fprintf(stderr, "cardsim: a write block framed wrong; answered 1b 32\n");
            output.After(0, EscStatus('2'));
            break;
        default:
            std::fprintf(stderr, "cardsim: unknown command 1b %02x; no answer\n",
                         static_cast<unsigned char>(command.parameters.at(0)));
            break;
    }
}

void EscSide::Test(Scheduler& output) {
    switch (replies_.tests[nextTest_++ % replies_.tests.size()]) {
        case EscReplies::Test::Esc:
            output.After(0, std::string(kTestReply));
            break;
        case EscReplies::Test::Lone:
            output.After(0, std::string(kTestReply.substr(1)));
            break;
        case EscReplies::Test::None:
            break;
    }
}

void EscSide::Read(Scheduler& output) {
    swipes_.Begin();
    Arm(Armed::Read, reading_.swipeMs);
    const SwipeQueue::Swipe& swipe = swipes_.Current();
    const auto pieces = EscSwipePieces(swipe.scenario, swipe.card);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        output.After(i == 0 ? reading_.swipeMs : reading_.pauseMs, pieces[i]);
    swipes_.Report("tracks 1+2+3");
}

void EscSide::Write(const EscCommand& command, Scheduler& output) {
    if (const auto bad = EscBadCharacter(command.tracks)) {
        std::fprintf(stderr, "cardsim: write refused, %s is not one to write; answered 1b 32\n",
                     bad->c_str());
        output.After(0, EscStatus('2'));
        return;
    }
    const WriteScenario::Reply reply = writing_.replies[nextReply_++ % writing_.replies.size()];
    const CardTracks card = NonEmpty(command.tracks);
    ReportWrittenCard("ISO, " + settings_.Describe(), card, ReplyName(reply));
    Arm(Armed::Write, writing_.replyMs);
    if (reply == WriteScenario::Reply::Ok || reply == WriteScenario::Reply::Split) written_ = card;
    const std::optional<char> status = EscWriteStatus(reply);
    if (!status) return;
    if (reply == WriteScenario::Reply::Split) {
        output.After(writing_.replyMs, std::string(1, kEsc));
        output.After(writing_.splitMs, std::string(1, *status));
    } else {
        output.After(writing_.replyMs, EscStatus(*status));
    }
}

void EscSide::Erase(unsigned char mask, Scheduler& output) {
    const auto known = std::find_if(kEraseMasks.begin(), kEraseMasks.end(),
                                    [&](const auto& entry) { return entry.first == mask; });
    if (known == kEraseMasks.end()) {
        std::fprintf(stderr, "cardsim: erase mask %02x unknown; answered 1b 34\n", mask);
        output.After(0, EscStatus('4'));
        return;
    }
    const EscReplies::Erase reply = replies_.erases[nextErase_++ % replies_.erases.size()];
    std::printf("cardsim: erase %s in %d ms, answer %s\n", known->second, writing_.replyMs,
                EscReplies::Name(reply));
    std::fflush(stdout);
    Arm(Armed::Erase, writing_.replyMs);
    if (reply == EscReplies::Erase::Ok) output.After(writing_.replyMs, EscStatus('0'));
    if (reply == EscReplies::Erase::Fail) output.After(writing_.replyMs, EscStatus('A'));
}
