// When the simulated reader swipes and how long it pauses inside a swipe.
#include "read_side.h"

#include <gtest/gtest.h>

#include "device_profile.h"
#include "sim_options.h"

namespace {

const std::string kReadTrack2 = "\x1b\x72\x32";

struct TimingCase {
    const char* name;
    std::vector<std::string> arguments;
    int firstPieceMs;   // from the read command to the swipe
    int secondPieceMs;  // from the swipe's first piece to its second
};

void PrintTo(const TimingCase& c, std::ostream* out) {
    *out << c.name;
}

class SwipeTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(SwipeTiming, FollowsTheOptionsOrTheirDefaults) {
    const TimingCase& c = GetParam();
    DeviceProfile profile;
    LoadDeviceProfile(profile, SAMPLE_PROFILE_PATH);
    std::vector<std::string> arguments = {"--read-scenario", "split"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    SimOptions options;
    ASSERT_FALSE(ParseSimOptions(arguments, DataFolders{"/console", {}, {}}, options));
    ReadBackQueue noReadBack({});
    ReadSide reading(profile, options.reading, noReadBack);
    Scheduler output;

    ASSERT_EQ(reading.Take(kReadTrack2, output).claim, DeviceSide::Claim::Taken);
    EXPECT_NEAR(output.MillisecondsToNext(), c.firstPieceMs, 20);
    if (c.firstPieceMs == 0) {
        EXPECT_FALSE(output.TakeDue().empty());
        EXPECT_NEAR(output.MillisecondsToNext(), c.secondPieceMs, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, SwipeTiming,
    ::testing::Values(TimingCase{"DefaultSwipe", {}, 1500, 0},
                      TimingCase{"DefaultPause", {"--swipe-ms", "0"}, 0, 150},
                      TimingCase{"GivenSwipe", {"--swipe-ms", "700"}, 700, 0},
                      TimingCase{
                          "GivenPause", {"--swipe-ms", "0", "--read-pause-ms", "40"}, 0, 40}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
