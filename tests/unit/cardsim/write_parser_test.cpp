// The simulated writer recognising the write conversation at the front of what it got;
// the whole conversation over a line is tested with the simulator running.
#include "write_parser.h"

#include <gtest/gtest.h>

#include "device_profile.h"
#include "profile_text.h"
#include "temp_dir.h"

namespace {

using Claim = DeviceSide::Claim;
using Kind = WriteElement::Kind;

struct ParseCase {
    const char* name;
    std::string pending;
    Claim claim;
    std::size_t taken;
    Kind kind;
    CardTracks tracks;
    ProfileChanges changes;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

class WriteParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(WriteParsing, FindsTheElementAtTheFront) {
    const ParseCase& c = GetParam();
    TempDir dir;
    WriteFile(dir / "QXProduct.ini", ProfileText(c.changes));
    DeviceProfile profile;
    LoadDeviceProfile(profile, dir / "QXProduct.ini");

    const WriteParser::Result result = WriteParser(profile).Parse(c.pending);
    EXPECT_EQ(result.claim, c.claim);
    EXPECT_EQ(result.taken, c.taken);
    if (c.claim == Claim::Taken) {
        EXPECT_EQ(result.element.kind, c.kind);
        EXPECT_EQ(result.element.tracks, c.tracks);
    }
}

const std::string kLongData(WriteParser::kMaxDataBytes + 1, '1');

INSTANTIATE_TEST_SUITE_P(
    Elements, WriteParsing,
    ::testing::Values(
        ParseCase{"SetupCommand", Hex("1b 69 1b 3f"), Claim::Taken, 2, Kind::IsoFormat, {}, {}},
        ParseCase{"PairSplitAtTheFirstSeparator",
                  Hex("1b 77 35 31 1f 32 1f 1c 0d"),
                  Claim::Taken,
                  9,
                  Kind::Card,
                  {{2, "1"}, {3, "2\x1f"}},
                  {}},
        ParseCase{"DataStillComing", Hex("1b 77 32 31 1c"), Claim::NeedMore, 0, Kind::Card, {}, {}},
        ParseCase{
            "DataTooLong", Hex("1b 77 32") + kLongData, Claim::NotMine, 0, Kind::Card, {}, {}},
        ParseCase{"NoTailEndsAtTheStatusRequest",
                  Hex("1b 77 32 31 1b 3f"),
                  Claim::Taken,
                  4,
                  Kind::Card,
                  {{2, "1"}},
                  {{"WriteTail", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
