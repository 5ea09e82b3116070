#include "esc_block_codec.h"

namespace EscBlock {
namespace {

constexpr char kEsc = 0x1B;
constexpr char kEndSentinel = 0x3F;
// `3F 1C ESC`, then the status byte: track 3's own end sentinel may stand right before it.
constexpr std::string_view kBlockEnd{"\x3F\x1C\x1B", 3};
constexpr std::string_view kReadBlockStart{"\x1B\x73", 2};
constexpr std::string_view kEmptyTrack{"\x1B\x2B", 2};
constexpr std::string_view kUnreadableTrack{"\x1B\x2A", 2};

std::string Command(char code) {
    return {kEsc, code};
}

std::string Command(char code, char argument) {
    return {kEsc, code, argument};
}

std::string Marker(int track) {
    return {kEsc, static_cast<char>(track)};
}

char StartSentinel(int track) {
    return track == 1 ? '%' : ';';
}

// Bytes before the reply's first ESC are line noise, except where a reply may lose its ESC.
std::string_view FromEsc(std::string_view bytes) {
    const std::size_t esc = bytes.find(kEsc);
    return esc == std::string_view::npos ? std::string_view{} : bytes.substr(esc);
}

TrackField FieldOf(int track, std::string_view field) {
    if (field == kEmptyTrack) return {TrackField::Kind::Empty, {}};
    if (field == kUnreadableTrack) return {TrackField::Kind::Unreadable, {}};
    if (!field.empty() && field.front() == StartSentinel(track)) field.remove_prefix(1);
    if (!field.empty() && field.back() == kEndSentinel) field.remove_suffix(1);
    return {TrackField::Kind::Data, std::string(field)};
}

// The three fields between `ESC 73` and the block's end, split at the markers in order.
bool SplitTracks(std::string_view body, std::array<TrackField, 3>& tracks) {
    std::size_t at = 0;
    for (int track = 1; track <= 3; ++track) {
        if (body.substr(at, 2) != Marker(track)) return false;
        at += 2;
        const std::size_t next = track < 3 ? body.find(Marker(track + 1), at) : body.size();
        if (next == std::string_view::npos) return false;
        tracks[track - 1] = FieldOf(track, body.substr(at, next - at));
        at = next;
    }
    return true;
}

TextReply FixedText(std::string_view bytes, std::size_t length) {
    const std::string_view reply = FromEsc(bytes);
    if (reply.size() < 1 + length) {
        return {bytes.size() > kMaxReply ? Progress::Bad : Progress::NeedMore, {}};
    }
    return {Progress::Done, std::string(reply.substr(1, length))};
}

}  // namespace

std::string Reset() {
    return Command(0x61);
}

std::string CommunicationTest() {
    return Command(0x65);
}

std::string ModelQuery() {
    return Command(0x74);
}

std::string FirmwareQuery() {
    return Command(0x76);
}

std::string Read() {
    return Command(0x72);
}

std::string Coercivity(bool high) {
    return Command(high ? 0x78 : 0x79);
}

std::string Density(int track, int bpi) {
    const bool low = bpi == 75;
    switch (track) {
        case 1:
            return Command(0x62, low ? '\xA0' : '\xA1');
        case 2:
            return Command(0x62, low ? '\x4B' : '\xD2');
        default:
            return Command(0x62, low ? '\xC0' : '\xC1');
    }
}

std::string BitsPerChar(const std::array<int, 3>& bits) {
    std::string command = Command(0x6F);
    for (const int b : bits) command += static_cast<char>(b);
    return command;
}

std::string LeadingZeros(int tracks13, int track2) {
    return {kEsc, 0x7A, static_cast<char>(tracks13), static_cast<char>(track2)};
}

// Track 1 alone has the mask 00, not 01: the device's own table.
std::string Erase(TrackSet tracks) {
    switch (tracks) {
        case TrackSet::Track1:
            return Command(0x63, 0x00);
        case TrackSet::Track2:
            return Command(0x63, 0x02);
        case TrackSet::Track3:
            return Command(0x63, 0x04);
        case TrackSet::Track12:
            return Command(0x63, 0x03);
        case TrackSet::Track23:
            return Command(0x63, 0x06);
    }
    return {};
}

std::string WriteBlock(const std::array<std::string, 3>& data) {
    std::string block = Command(0x77) + std::string(kReadBlockStart);
    for (int track = 1; track <= 3; ++track) block += Marker(track) + data[track - 1];
    return block + "\x3F\x1C";
}

StatusReply ParseStatus(std::string_view bytes) {
    const std::string_view reply = FromEsc(bytes);
    if (reply.size() < 2) return {bytes.size() > kMaxReply ? Progress::Bad : Progress::NeedMore, 0};
    return {Progress::Done, static_cast<unsigned char>(reply[1])};
}

Progress ParseCommunication(std::string_view bytes) {
    if (bytes.empty()) return Progress::NeedMore;
    if (bytes == "\x79" || bytes == "\x1B\x79") return Progress::Done;
    return bytes == "\x1B" ? Progress::NeedMore : Progress::Bad;
}

TextReply ParseModel(std::string_view bytes) {
    TextReply reply = FixedText(bytes, 2);
    if (reply.progress != Progress::Done) return reply;
    if (reply.text[1] != 0x53) return {Progress::Bad, {}};
    reply.text.resize(1);
    return reply;
}

TextReply ParseFirmware(std::string_view bytes) {
    return FixedText(bytes, 8);
}

Progress ParseBitsPerCharEcho(std::string_view bytes, const std::array<int, 3>& bits) {
    const TextReply reply = FixedText(bytes, 4);
    if (reply.progress != Progress::Done) return reply.progress;
    std::string expected(1, static_cast<char>(kStatusOk));
    for (const int b : bits) expected += static_cast<char>(b);
    return reply.text == expected ? Progress::Done : Progress::Bad;
}

ReadBlock ParseReadBlock(std::string_view bytes) {
    ReadBlock block;
    const std::size_t start = bytes.find(kReadBlockStart);
    if (start == std::string_view::npos) {
        if (bytes.size() > kMaxReply) block.progress = Progress::Bad;
        return block;
    }
    const std::string_view reply = bytes.substr(start + kReadBlockStart.size());
    const std::size_t end = reply.find(kBlockEnd);
    if (end == std::string_view::npos || end + kBlockEnd.size() >= reply.size()) {
        if (bytes.size() > kMaxReply) block.progress = Progress::Bad;
        return block;
    }
    block.progress = Progress::Done;
    block.status = static_cast<unsigned char>(reply[end + kBlockEnd.size()]);
    block.wellFormed = SplitTracks(reply.substr(0, end), block.tracks);
    return block;
}

std::optional<unsigned char> ForeignCharacter(int track, std::string_view data) {
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        const bool fits = track == 1 ? byte >= 0x20 && byte <= 0x5F && byte != 0x3F
                                     : byte >= 0x30 && byte <= 0x3E;
        if (!fits) return byte;
    }
    return std::nullopt;
}

}  // namespace EscBlock
