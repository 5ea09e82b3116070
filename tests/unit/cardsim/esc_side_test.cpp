// The simulated ESC-block device, byte for byte: what it answers to each command, how a
// swipe's block looks, how a write block is taken, and what a reset cancels.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include "cardsim_process.h"
#include "esc_answers.h"
#include "profile_text.h"
#include "scheduler.h"
#include "sim_device.h"
#include "temp_dir.h"

namespace {

const std::string kCards = "1=B1^A;2=12=3;3=99=1\n2=;3=9\n";
const std::string kRead = Hex("1b 72");
const std::string kTest = Hex("1b 65");
const std::string kWrite23 =
    Hex("1b 77 1b 73 1b 01 1b 02") + "12" + Hex("1b 03") + "45" + Hex("3f 1c");

struct Exchange {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> sent;  // each piece as it arrives
    std::string answered;
};

void PrintTo(const Exchange& c, std::ostream* out) {
    *out << c.name;
}

class EscExchange : public ::testing::TestWithParam<Exchange> {};

TEST_P(EscExchange, AnswersByteForByte) {
    const Exchange& c = GetParam();
    TempDir dir;
    WriteFile(dir / "cards.txt", kCards);
    std::vector<std::string> arguments = {
        "--family",         "esc-block", "--swipe-ms", "0",
        "--write-reply-ms", "0",         "--cards",    (dir / "cards.txt").string()};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    SimOptions options;
    ASSERT_FALSE(ParseSimOptions(arguments, DataFolders{dir.Path(), {}, {}}, options));
    DeviceProfile unused;
    SimDevice device(unused, std::move(options));
    Scheduler output;
    std::string answered;
    for (const std::string& piece : c.sent) {
        device.Input().Receive(piece, output);
        answered += output.TakeDue();
    }
    EXPECT_EQ(answered, c.answered);
    EXPECT_TRUE(output.Idle()) << "something still to be sent";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EscExchange,
    ::testing::Values(
        Exchange{"CommunicationTest", {}, {kTest}, Hex("1b 79")},
        Exchange{"ModelAndFirmware", {}, {Hex("1b 74 1b 76")}, Hex("1b 33 53 1b") + "REVS1.00"},
        Exchange{"NoIdentity", {"--identity", "none"}, {Hex("1b 74 1b 76"), kTest}, Hex("1b 79")},
        Exchange{"FullTrack3EndsWithTwo3F",
                 {},
                 {kRead},
                 Hex("1b 73 1b 01") + "%B1^A?" + Hex("1b 02") + ";12=3?" + Hex("1b 03") + ";99=1" +
                     Hex("3f 3f 1c 1b 30")},
        Exchange{"FailedAndBlankTracks",
                 {},
                 {kRead, kRead},
                 Hex("1b 73 1b 01") + "%B1^A?" + Hex("1b 02") + ";12=3?" + Hex("1b 03") + ";99=1" +
                     Hex("3f 3f 1c 1b 30") + Hex("1b 73 1b 01 1b 2a 1b 02 1b 2b 1b 03") + ";9" +
                     Hex("3f 3f 1c 1b 30")},
        Exchange{"ResetCancelsAnArmedRead",
                 {"--swipe-ms", "60000"},
                 {kRead, kTest, Hex("1b 61"), kTest},
                 Hex("1b 79")},
        Exchange{"WrittenCardReadBack",
                 {"--read-back", "same"},
                 {kWrite23, kRead},
                 Hex("1b 30 1b 73 1b 01 1b 2b 1b 02") + ";12?" + Hex("1b 03") + ";45" +
                     Hex("3f 3f 1c 1b 30")},
        Exchange{"WriteBlockInPieces",
                 {},
                 {Hex("1b 77 1b 73 1b"), Hex("01 41 1b 02 1b 03 3f"), Hex("1c")},
                 Hex("1b 30")},
        Exchange{"WriteStatuses",
                 {"--write-replies", "fail,format-error,bad-command,swipe-error,fail-a,none"},
                 {kWrite23, kWrite23, kWrite23, kWrite23, kWrite23, kWrite23},
                 Hex("1b 31 1b 32 1b 34 1b 39 1b 41")},
        Exchange{"WriteCharacterOutsideTheTrack",
                 {},
                 {Hex("1b 77 1b 73 1b 01 1b 02") + "1A" + Hex("1b 03 3f 1c")},
                 Hex("1b 32")},
        Exchange{"WriteMarkerMissing",
                 {},
                 {Hex("1b 77 1b 73 1b 01 41 1b 03 31 3f 1c"), kTest},
                 Hex("1b 32 1b 79")},
        Exchange{"Coercivity",
                 {},
                 {Hex("1b 64 1b 79 1b 64 1b 78 1b 64")},
                 Hex("1b 68 1b 30 1b 6c 1b 30 1b 68")},
        Exchange{"DensityCodes", {}, {Hex("1b 62 d2 1b 62 55")}, Hex("1b 30 1b 34")},
        Exchange{"BitsPerCharacter",
                 {},
                 {Hex("1b 6f 07 05 05 1b 6f 04 05 05")},
                 Hex("1b 30 07 05 05 1b 34")},
        Exchange{"LeadingZeros", {}, {Hex("1b 7a 3d 16 1b 6c")}, Hex("1b 30 1b 3d 16")},
        Exchange{"EraseMasks", {}, {Hex("1b 63 00 1b 63 01")}, Hex("1b 30 1b 34")},
        Exchange{"EraseAndTestReplies",
                 {"--erase-replies", "fail,none", "--test-replies", "lone,none"},
                 {Hex("1b 63 07 1b 63 07 1b 63 07"), kTest, kTest},
                 Hex("1b 41 1b 41 79")},
        Exchange{"ResetInsideAWriteBlock",
                 {"--read-back", "same"},
                 {Hex("1b 77 1b 73 1b 01 41 1b 61"), kRead},
                 Hex("1b 73 1b 01") + "%B1^A?" + Hex("1b 02") + ";12=3?" + Hex("1b 03") + ";99=1" +
                     Hex("3f 3f 1c 1b 30")},
        Exchange{"WriteDataNeverEnding",
                 {},
                 {Hex("1b 77 1b 73 1b 01 1b 02 1b 03") + std::string(1100, '1'), kTest},
                 Hex("1b 32 1b 79")},
        Exchange{"NoiseAndUnknownCommands", {}, {Hex("00 ff 1b 20 1b"), Hex("65")}, Hex("1b 79")}),
    [](const auto& info) { return std::string(info.param.name); });

// Where a parser that matches whole markers, or ends at the first 3F, goes wrong.
TEST(EscSwipe, SplitBreaksInsideAMarkerAndBetweenTheTailBytes) {
    std::string error;
    const auto pieces = EscSwipePieces(SwipeScenario::Split, *ParseCard("2=1", error));
    EXPECT_EQ(pieces, (std::vector<std::string>{Hex("1b 73 1b 01 1b 2a 1b"),
                                                Hex("02") + ";1?" + Hex("1b 03 1b 2a 3f"),
                                                Hex("1c 1b 30")}));
}

// The program itself, over its pty as it sets it up: FS (1C) must not be taken for a
// signal character on the way.
TEST(EscOverPty, BlockArrivesWhole) {
    CardsimProcess device({"--family", "esc-block", "--swipe-ms", "0"});
    const int fd = open(device.PortPath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, kRead.data(), kRead.size()), 2);
    const std::string expected = EscReadBlock(SampleCards().front(), '0');
    std::string received;
    char buffer[256];
    pollfd in{fd, POLLIN, 0};
    while (received.size() < expected.size() && poll(&in, 1, 5000) > 0) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        received.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    EXPECT_EQ(received, expected) << device.Log();
}

}  // namespace
