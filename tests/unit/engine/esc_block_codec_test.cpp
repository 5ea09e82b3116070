// The ESC-block frames byte for byte: what goes out for every command and selection, and
// what is made of every kind of reply.
#include "esc_block_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using EscBlock::Progress;
using Kind = EscBlock::TrackField::Kind;

struct Frame {
    const char* name;
    std::string sent;
    std::string expected;
};

TEST(EscBlockCodec, CommandsGoOutAsTheDeviceTakesThem) {
    const Frame frames[] = {
        {"reset", EscBlock::Reset(), "\x1B\x61"},
        {"communication test", EscBlock::CommunicationTest(), "\x1B\x65"},
        {"model", EscBlock::ModelQuery(), "\x1B\x74"},
        {"firmware", EscBlock::FirmwareQuery(), "\x1B\x76"},
        {"read", EscBlock::Read(), "\x1B\x72"},
        {"high coercivity", EscBlock::Coercivity(true), "\x1B\x78"},
        {"low coercivity", EscBlock::Coercivity(false), "\x1B\x79"},
        {"track 1 210", EscBlock::Density(1, 210), "\x1B\x62\xA1"},
        {"track 1 75", EscBlock::Density(1, 75), "\x1B\x62\xA0"},
        {"track 2 210", EscBlock::Density(2, 210), "\x1B\x62\xD2"},
        {"track 2 75", EscBlock::Density(2, 75), "\x1B\x62\x4B"},
        {"track 3 210", EscBlock::Density(3, 210), "\x1B\x62\xC1"},
        {"track 3 75", EscBlock::Density(3, 75), "\x1B\x62\xC0"},
        {"bits per char", EscBlock::BitsPerChar({7, 5, 5}), "\x1B\x6F\x07\x05\x05"},
        {"leading zeros", EscBlock::LeadingZeros(61, 22), "\x1B\x7A\x3D\x16"},
        {"erase 1", EscBlock::Erase(TrackSet::Track1), "\x1B\x63\x00"s},
        {"erase 2", EscBlock::Erase(TrackSet::Track2), "\x1B\x63\x02"},
        {"erase 3", EscBlock::Erase(TrackSet::Track3), "\x1B\x63\x04"},
        {"erase 12", EscBlock::Erase(TrackSet::Track12), "\x1B\x63\x03"},
        {"erase 23", EscBlock::Erase(TrackSet::Track23), "\x1B\x63\x06"},
        {"write 1", EscBlock::WriteBlock({"AB^C", "", ""}),
         "\x1B\x77\x1B\x73\x1B\x01" "AB^C" "\x1B\x02\x1B\x03\x3F\x1C"},
        {"write 2", EscBlock::WriteBlock({"", "123=4", ""}),
         "\x1B\x77\x1B\x73\x1B\x01\x1B\x02" "123=4" "\x1B\x03\x3F\x1C"},
        {"write 3", EscBlock::WriteBlock({"", "", "99"}),
         "\x1B\x77\x1B\x73\x1B\x01\x1B\x02\x1B\x03" "99" "\x3F\x1C"},
        {"write 12", EscBlock::WriteBlock({"A", "1", ""}),
         "\x1B\x77\x1B\x73\x1B\x01" "A" "\x1B\x02" "1" "\x1B\x03\x3F\x1C"},
        {"write 23", EscBlock::WriteBlock({"", "12", "345"}),
         "\x1B\x77\x1B\x73\x1B\x01\x1B\x02" "12" "\x1B\x03" "345" "\x3F\x1C"},
    };
    for (const Frame& frame : frames) EXPECT_EQ(frame.sent, frame.expected) << frame.name;
}

struct BlockCase {
    const char* name;
    std::string reply;
    Progress progress;
    bool wellFormed;
    std::array<Kind, 3> kinds;
    std::array<std::string, 3> data;
    unsigned char status;
};

TEST(EscBlockCodec, ReadBlocksAreTakenApartByTheirMarkers) {
    const std::string head = "\x1B\x73\x1B\x01";
    const BlockCase cases[] = {
        {"three tracks, sentinels dropped", head + "%AB?\x1B\x02;12?\x1B\x03;345?\x3F\x1C\x1B\x30",
         Progress::Done, true, {Kind::Data, Kind::Data, Kind::Data}, {"AB", "12", "345"}, 0x30},
        {"empty and unreadable tracks", head + "\x1B\x2B\x1B\x02\x1B\x2A\x1B\x03\x1B\x2B\x3F\x1C\x1B\x30",
         Progress::Done, true, {Kind::Empty, Kind::Unreadable, Kind::Empty}, {}, 0x30},
        {"a full track 3 ends on the tail's 3F, not its own",
         head + "\x1B\x2B\x1B\x02\x1B\x2B\x1B\x03;0123456789?\x3F\x1C\x1B\x30", Progress::Done, true,
         {Kind::Empty, Kind::Empty, Kind::Data}, {"", "", "0123456789"}, 0x30},
        {"noise before the block", "\x00\x7F"s + head + "\x1B\x2B\x1B\x02;5?\x1B\x03\x1B\x2B\x3F\x1C\x1B\x39",
         Progress::Done, true, {Kind::Empty, Kind::Data, Kind::Empty}, {"", "5", ""}, 0x39},
        {"cut before the status byte", head + "\x1B\x2B\x1B\x02\x1B\x2B\x1B\x03;1?\x3F\x1C\x1B",
         Progress::NeedMore, false, {}, {}, 0},
        {"cut at track 3's end sentinel", head + "\x1B\x2B\x1B\x02\x1B\x2B\x1B\x03;1?", Progress::NeedMore,
         false, {}, {}, 0},
        {"a marker missing", head + "%A?\x1B\x03;1?\x3F\x1C\x1B\x30", Progress::Done, false, {}, {}, 0x30},
        {"endless noise", std::string(EscBlock::kMaxReply + 1, '\x30'), Progress::Bad, false, {}, {}, 0},
    };
    for (const BlockCase& c : cases) {
        const EscBlock::ReadBlock block = EscBlock::ParseReadBlock(c.reply);
        EXPECT_EQ(block.progress, c.progress) << c.name;
        EXPECT_EQ(block.wellFormed, c.wellFormed) << c.name;
        EXPECT_EQ(block.status, c.status) << c.name;
        if (!c.wellFormed) continue;
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(block.tracks[t].kind, c.kinds[t]) << c.name << " track " << t + 1;
            EXPECT_EQ(block.tracks[t].data, c.data[t]) << c.name << " track " << t + 1;
        }
    }
}

TEST(EscBlockCodec, ShortRepliesAreTakenWholeOrAwaited) {
    struct Case {
        const char* name;
        Progress got;
        Progress expected;
    };
    const Case cases[] = {
        {"communication test", EscBlock::ParseCommunication("\x1B\x79"), Progress::Done},
        {"communication test without its ESC", EscBlock::ParseCommunication("\x79"), Progress::Done},
        {"communication test half come", EscBlock::ParseCommunication("\x1B"), Progress::NeedMore},
        {"another answer", EscBlock::ParseCommunication("\x1B\x30"), Progress::Bad},
        {"status half come", EscBlock::ParseStatus("\x1B").progress, Progress::NeedMore},
        {"model without its 53", EscBlock::ParseModel("\x1B\x33\x30").progress, Progress::Bad},
        {"bits per char echoed", EscBlock::ParseBitsPerCharEcho("\x1B\x30\x07\x05\x05", {7, 5, 5}),
         Progress::Done},
        {"bits per char not echoed", EscBlock::ParseBitsPerCharEcho("\x1B\x30\x07\x07\x07", {7, 5, 5}),
         Progress::Bad},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;

    for (const unsigned char status : {0x30, 0x31, 0x32, 0x34, 0x39, 0x41}) {
        const EscBlock::StatusReply reply = EscBlock::ParseStatus("\x1B"s + static_cast<char>(status));
        EXPECT_EQ(reply.progress, Progress::Done);
        EXPECT_EQ(reply.status, status);
    }
    EXPECT_EQ(EscBlock::ParseModel("\x1B\x33\x53").text, "3");
    EXPECT_EQ(EscBlock::ParseFirmware("\x1BREV?1.02").text, "REV?1.02");
}

TEST(EscBlockCodec, EachTrackNamesTheFirstCharacterItCannotTake) {
    struct Case {
        int track;
        std::string data;
        std::optional<unsigned char> foreign;
    };
    const Case cases[] = {
        {1, " AZ^_09", std::nullopt}, {1, "AB?C", '?'},   {1, "ab", 'a'},
        {2, "0123456789:;<=>", std::nullopt}, {2, "12A", 'A'}, {3, "1?", '?'},
        {3, "\xD6\xD0", 0xD6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscBlock::ForeignCharacter(c.track, c.data), c.foreign) << c.track << " " << c.data;
    }
}

}  // namespace
