#include "esc_answers.h"

#include <cstdio>

#include "esc_frames.h"

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kBlockStart = "\x1b\x73"sv;
constexpr std::string_view kBlankTrack = "\x1b\x2b"sv;
constexpr std::string_view kFailedTrack = "\x1b\x2a"sv;
constexpr std::string_view kBlockTail = "\x3f\x1c"sv;
// Noise that ends in a lone ESC, so the block behind it starts ESC ESC 73.
constexpr std::string_view kNoise = "\xff\x00\x1b"sv;
// Well past what any track holds.
constexpr std::size_t kOverlongTrack = 300;

std::string Track(const std::optional<std::string>& data, char startSentinel) {
    if (!data) return std::string(kFailedTrack);
    if (data->empty()) return std::string(kBlankTrack);
    return startSentinel + *data + '?';
}

bool Allowed(int track, unsigned char byte) {
    if (track == 1) return byte >= 0x20 && byte <= 0x5f && byte != 0x3f;
    return byte >= 0x30 && byte <= 0x3e;
}

}  // namespace

std::string EscStatus(char status) {
    return {kEsc, status};
}

std::string EscReadBlock(const Card& card, char status) {
    std::string block(kBlockStart);
    for (int number = 1; number <= 3; ++number) {
        block += kEsc;
        block += static_cast<char>(number);
        block += Track(card.Track(number), number == 1 ? '%' : ';');
    }
    return block + std::string(kBlockTail) + EscStatus(status);
}

std::vector<std::string> EscSwipePieces(SwipeScenario scenario, const Card& card) {
    const std::string block = EscReadBlock(card, '0');
    switch (scenario) {
        case SwipeScenario::Good:
            return {block};
        case SwipeScenario::Garbage:
            return {std::string(kNoise), block};
        case SwipeScenario::Split: {
            const std::size_t marker2 = block.find("\x1b\x02"sv) + 1;
            const std::size_t tail = block.size() - 3;
            return {block.substr(0, marker2), block.substr(marker2, tail - marker2),
                    block.substr(tail)};
        }
        case SwipeScenario::Overlong: {
            Card longer = card;
            longer.tracks[1] = std::string(kOverlongTrack, '1');
            return {EscReadBlock(longer, '0')};
        }
        case SwipeScenario::ShortTail:
            return {block.substr(0, block.size() - 1)};
        case SwipeScenario::WrongTail:
            return {EscReadBlock(card, '1')};
        case SwipeScenario::Silent:
            break;
    }
    return {};
}

std::optional<char> EscWriteStatus(WriteScenario::Reply reply) {
    switch (reply) {
        case WriteScenario::Reply::Ok:
        case WriteScenario::Reply::Split:
            return '0';
        case WriteScenario::Reply::Fail:
            return '1';
        case WriteScenario::Reply::FormatError:
            return '2';
        case WriteScenario::Reply::BadCommand:
            return '4';
        case WriteScenario::Reply::SwipeError:
            return '9';
        case WriteScenario::Reply::FailA:
            return 'A';
        case WriteScenario::Reply::None:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> EscBadCharacter(const std::array<std::string, 3>& tracks) {
    for (int number = 1; number <= 3; ++number) {
        for (const unsigned char byte : tracks[static_cast<std::size_t>(number - 1)]) {
            if (Allowed(number, byte)) continue;
            char text[32];
            std::snprintf(text, sizeof text, "track %d byte %02x", number, byte);
            return std::string(text);
        }
    }
    return std::nullopt;
}
