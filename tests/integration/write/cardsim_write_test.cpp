// The simulator's writing side on its own: a test plays the console byte by byte and
// looks at what the device answers.
#include <gtest/gtest.h>

#include <thread>

#include "serial_link.h"
#include "write_harness.h"

namespace writetest {
namespace {

const std::string kRight2 = Hex("06 61 32");
const std::string kCard2 = CardBytes(CardSetup{}, Track2, {"", "123", ""});

struct SimCase {
    const char* name;
    std::vector<std::string> arguments;
    ProfileChanges profile;
    std::vector<std::string> writes;  // sent one after the other, 5 ms apart
    std::string answer;               // everything the device sends back
    const char* printed;              // what it says it wrote; nullptr when nothing
};

void PrintTo(const SimCase& c, std::ostream* out) {
    *out << c.name;
}

class SimWriter : public ::testing::TestWithParam<SimCase> {};

TEST_P(SimWriter, AnswersWhatItParsed) {
    const SimCase& c = GetParam();
    std::vector<std::string> arguments = {"--write-reply-ms", "0"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    CardsimProcess sim(arguments, ProfileText(c.profile));
    SerialLink console(kShortTimeouts);
    console.SetPortName(sim.PortPath());
    console.Open();
    ASSERT_TRUE(console.IsOpen()) << console.FailureReason();

    for (const auto& bytes : c.writes) {
        console.Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                      static_cast<int32_t>(bytes.size()));
        std::this_thread::sleep_for(5ms);
    }
    std::string sent;
    for (const auto end = Clock::now() + 300ms;
         Clock::now() < end && sent.size() <= c.answer.size();) {
        std::this_thread::sleep_for(10ms);
        sent = sim.Sent();
    }

    EXPECT_EQ(sent, c.answer);
    if (c.printed != nullptr) {
        EXPECT_NE(sim.Log().find(c.printed), std::string::npos) << sim.Log();
    } else {
        EXPECT_EQ(sim.Log().find("card written ("), std::string::npos) << sim.Log();
    }
}

std::vector<std::string> Bytewise(const std::string& bytes) {
    std::vector<std::string> single;
    for (const char byte : bytes) single.emplace_back(1, byte);
    return single;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SimWriter,
    ::testing::Values(
        SimCase{"WholeSequence", {}, {}, {kCard2}, kRight2, "track 2 \"123\" (3 bytes); answer ok"},
        SimCase{"ByteByByte", {}, {}, Bytewise(kCard2), kRight2, "track 2 \"123\""},
        SimCase{"NoiseFirst", {}, {}, {Hex("00 ff 1c"), kCard2}, kRight2, "track 2 \"123\""},
        SimCase{"SetupInAnyOrder",
                {},
                {},
                {Hex("1b 6c 1b 69 1b 78 1b 77 32") + "9" + Hex("1c 0d 1b 3f")},
                kRight2,
                "card written (high coercivity, ISO, track-2 low density): track 2 \"9\""},
        SimCase{"NoSetup",
                {},
                {},
                {Hex("1b 77 33 1f") + "\xd5\xc5" + Hex("1c 0d 1b 3f")},
                Hex("06 61 33"),
                "card written (low coercivity, format unset, density unset): track 3 "
                "\"\\xd5\\xc5\" (2 bytes)"},
        SimCase{"Track3WithoutSeparator",
                {},
                {},
                {Hex("1b 77 33") + "77" + Hex("1c 0d 1b 3f")},
                Hex("06 61 33"),
                "track 3 \"77\""},
        SimCase{"PairCommand23",
                {},
                {},
                {Hex("1b 77 35") + "2" + Hex("1f") + "3" + Hex("1c 0d 1b 3f")},
                Hex("06 61 35"),
                "track 2 \"2\" (1 bytes); track 3 \"3\" (1 bytes)"},
        SimCase{"Tracks12",
                {},
                {},
                {CardBytes(CardSetup{}, Track12, {"A", "B", ""})},
                Hex("06 61 34"),
                "track 1 \"A\" (1 bytes); track 2 \"B\" (1 bytes)"},
        SimCase{"RepliesInTurn",
                {"--write-replies", "ok,fail,none"},
                {},
                {kCard2, kCard2, kCard2, kCard2},
                kRight2 + Hex("15 61 32") + kRight2,
                "answer none"},
        SimCase{"FailWithoutAWrongReply",
                {"--write-replies", "fail"},
                {{"WriteTack2Wrong", ""}},
                {kCard2},
                Hex("15 61 32"),
                "answer fail"},
        SimCase{"EmptyRightReply", {}, {{"WriteTack2Right", ""}}, {kCard2}, "", "answer ok"},
        SimCase{
            "ResetForgetsTheCard",
            {},
            {},
            {CardBytes(CardSetup{}, Track2, {"", "1", ""}).substr(0, 12), kSoftReset, Hex("1b 3f")},
            "",
            nullptr},
        SimCase{"StatusWithoutACard", {}, {}, {Hex("1b 3f")}, "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimWriter, SplitsAReplyIntoTwoPiecesWithAPause) {
    CardsimProcess sim(
        {"--write-reply-ms", "0", "--write-replies", "split", "--write-split-ms", "150"},
        ProfileText());
    SerialLink console({10, 0, 1000, 0, 200});
    console.SetPortName(sim.PortPath());
    console.Open();
    console.Write(reinterpret_cast<const unsigned char*>(kCard2.data()),
                  static_cast<int32_t>(kCard2.size()));

    unsigned char reply[3] = {};
    ASSERT_EQ(console.Read(reply, 3), 1);
    EXPECT_EQ(reply[0], 0x06);
    const auto start = Clock::now();
    ASSERT_EQ(console.Read(reply, 3), 2);
    EXPECT_GE(Clock::now() - start, 75ms);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply), 2), kRight2.substr(1));
}

}  // namespace
}  // namespace writetest
