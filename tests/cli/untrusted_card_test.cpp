// A card's bytes reach a terminal escaped and a file or pipe exactly, survive an export
// and its reading back byte for byte, and a script can trust the exit status.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <QByteArray>
#include <gtest/gtest.h>

#include "cardsim_process.h"
#include "cli_run.h"
#include "profile_text.h"
#include "pty_job_harness.h"

namespace {

// A terminal retitled, then asked for the cursor: its answer would be typed into the shell.
const std::string kHostile = "\x1b]0;PWNED\x07\x1b[6n";

std::string SimCard(const std::string& track2) {
    return "2=hex:" + QByteArray::fromStdString(track2).toHex().toStdString() + "\n";
}

std::vector<std::string> Using(const CardsimProcess& sim, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(),
                     {"--port", sim.PortPath(), "--profile", sim.ProfilePath().string()});
    return arguments;
}

TEST(CardBytes, EscapedOnATerminalExactInAFileOrAPipe) {
    TempDir dir;
    WriteFile(dir / "cards.txt", SimCard(kHostile));
    for (const std::string sink : {"terminal", "pipe", "file"}) {
        SCOPED_TRACE(sink);
        CardsimProcess sim({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20"});
        int ends[2] = {-1, -1};
        if (sink != "file") {
            ASSERT_EQ(sink == "pipe" ? pipe(ends) : openpty(&ends[0], &ends[1], 0, 0, 0), 0);
        }
        CardctlProcess cardctl(Using(sim, {"read", "--tracks", "2", "--cards", "1"}), ends[1]);
        if (ends[1] >= 0) close(ends[1]);
        EXPECT_EQ(cardctl.Wait(), 0) << cardctl.Err();
        std::string out = cardctl.Out();
        if (ends[0] >= 0) {
            out.resize(4096);
            out.resize(std::max<ssize_t>(read(ends[0], out.data(), out.size()), 0));
            close(ends[0]);
        }
        const bool escaped = sink == "terminal";
        EXPECT_EQ(out.find(kHostile) == std::string::npos, escaped) << out;
        EXPECT_EQ(out.find("\\x1b]0;PWNED\\x07\\x1b[6n") != std::string::npos, escaped) << out;
    }
    // Standard error and the profile's report, wherever they go.
    CardsimProcess sim({}, ProfileText());
    const CliRun batch = RunCardctlHere(Using(sim, {"batch", "no" + kHostile, "--tracks", "2"}));
    const std::string profile = (dir / "odd.ini").string();
    WriteFile(profile, ProfileText({{"CmdCommunication", "0x1b0x6" + kHostile}}));
    const CliRun report = RunCardctlHere({"profile", "--profile", profile});
    for (const std::string& text : {batch.err, report.out}) {
        EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
        EXPECT_NE(text.find("\\x1b]0;PWNED\\x07"), std::string::npos) << text;
    }
}

// Read from the simulator, exported, read back as a list and written: the device gets
// the bytes the card had, from a JSON export all of them, from a CSV export those that
// are GBK text (a NUL or a byte outside GBK cannot be CSV text).
TEST(CardBytes, CopiedExactlyThroughAnExport) {
    const std::vector<std::string> tracks = {"=1+1", "'quote", "-5", "1\r2", "a\xff",
                                             std::string("1\0002", 3)};
    TempDir dir;
    std::string simCards;
    for (const std::string& track : tracks) simCards += SimCard(track);
    WriteFile(dir / "cards.txt", simCards);
    CardsimProcess reader({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20"});
    const CliRun read = RunCardctlHere(Using(
        reader, {"read", "--tracks", "2", "--cards", "6", "--records", (dir / "all.json").string()}));
    ASSERT_EQ(read.status, 0) << read.err;
    std::size_t end = 0;
    for (int row = 0; row < 5; ++row) end = read.out.find("\r\n", end) + 2;
    WriteFile(dir / "text.csv", read.out.substr(0, end));
    for (const auto& [list, cards] : {std::pair{"all.json", 6}, std::pair{"text.csv", 4}}) {
        SCOPED_TRACE(list);
        CardsimProcess sim({"--write-reply-ms", "20"}, ProfileText());
        const CliRun batch =
            RunCardctlHere(Using(sim, {"batch", (dir / list).string(), "--tracks", "2"}));
        EXPECT_EQ(batch.status, 0) << batch.err;
        sim.Stop();
        const std::string received = sim.Received();
        for (int card = 0; card < cards; ++card)
            EXPECT_NE(received.find(tracks[card] + Hex("1c 0d 1b 3f")), std::string::npos) << card;
        EXPECT_EQ(std::count(received.begin(), received.end(), '\''), 1) << received;
    }
}

TEST(ExitStatus, FourWhenCardsWentOutButAnOutputFileFailed) {
    TempDir dir;
    WriteFile(dir / "cards.txt", SimCard("123"));
    std::filesystem::create_directory(dir / "taken.csv");
    for (const std::string& output :
         {std::string("--log=/dev/full"), "--records=" + (dir / "taken.csv").string()}) {
        SCOPED_TRACE(output);
        CardsimProcess sim({"--cards", (dir / "cards.txt").string(), "--swipe-ms", "20"});
        CardctlProcess cardctl(Using(sim, {"read", "--tracks", "2", "--cards", "1", output}));
        EXPECT_EQ(cardctl.Wait(), 4) << cardctl.Err();
    }
}

}  // namespace
