#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "track_set.h"

// The frames of the ESC-block encoder protocol: bytes of a frame in, a frame out. Nothing
// here touches a line or a clock, so every frame can be held in a golden table, and a
// correction to the protocol is made in this one place.
namespace EscBlock {

// Commands, as sent.
std::string Reset();
std::string CommunicationTest();
std::string ModelQuery();
std::string FirmwareQuery();
std::string Read();
std::string Coercivity(bool high);
// One track's recording density; bpi is 210 or 75 (anything else is taken as 210).
std::string Density(int track, int bpi);
std::string BitsPerChar(const std::array<int, 3>& bits);
std::string LeadingZeros(int tracks13, int track2);
std::string Erase(TrackSet tracks);

// The write block: each track's data without sentinels, empty for a track left as it is
// on the card. All three markers are sent whatever is selected.
std::string WriteBlock(const std::array<std::string, 3>& data);

// The status byte of a write, an erase or a set-up answer.
inline constexpr unsigned char kStatusOk = 0x30;

// Whether the bytes so far make a whole reply yet.
enum class Progress {
    NeedMore,  // a prefix of a reply: read on
    Done,      // a whole reply; the parse's fields hold it
    Bad,       // cannot become the reply expected
};

// `ESC status`, the answer to a write, an erase and the set-up commands.
struct StatusReply {
    Progress progress = Progress::NeedMore;
    unsigned char status = 0;
};
StatusReply ParseStatus(std::string_view bytes);

// The communication test: `ESC 79`, or a lone `79` when the bridge lost the ESC.
Progress ParseCommunication(std::string_view bytes);

// `ESC digit 53`, and `ESC` then eight characters.
struct TextReply {
    Progress progress = Progress::NeedMore;
    std::string text;
};
TextReply ParseModel(std::string_view bytes);
TextReply ParseFirmware(std::string_view bytes);

// `ESC 30 b1 b2 b3`, the echo of the bits per character.
Progress ParseBitsPerCharEcho(std::string_view bytes, const std::array<int, 3>& bits);

// One track of a read block.
struct TrackField {
    enum class Kind { Data, Empty, Unreadable };
    Kind kind = Kind::Unreadable;
    std::string data;  // without the start and end sentinels the device sends
};

// A read block: found by its markers, ended on `3F 1C 1B` and one status byte. A block
// whose markers are out of order still ends there, with `wellFormed` false: the card was
// swiped but nothing of it can be trusted.
struct ReadBlock {
    Progress progress = Progress::NeedMore;
    bool wellFormed = false;
    std::array<TrackField, 3> tracks;
    unsigned char status = 0;
};
ReadBlock ParseReadBlock(std::string_view bytes);

// No reply the protocol knows is longer: more bytes than this without an end are noise.
inline constexpr std::size_t kMaxReply = 512;

// The first byte of a track's data outside what the track takes (track 1: 20-5F but not
// 3F; tracks 2 and 3: 30-3E); nothing when all of it fits.
std::optional<unsigned char> ForeignCharacter(int track, std::string_view data);

}  // namespace EscBlock
