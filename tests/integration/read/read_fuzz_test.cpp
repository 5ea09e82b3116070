// Thousands of random device streams through the reply reader and the log entry, in
// process: the loop's handling of whatever the line brings, without a port in the way.

#include <gtest/gtest.h>

#include <random>

#include "read_bench.h"
#include "read_entry.h"
#include "read_reply.h"
#include "scripted_line.h"

namespace readtest {
namespace {

// A few byte values, frame bytes among them, so that heads, tails and separators turn up
// in the noise often.
class Dice {
  public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int Upto(int most) { return std::uniform_int_distribution<int>(0, most)(engine_); }
    char Byte(bool nonZero) {
        static constexpr unsigned char kValues[] = {0x00, 0x1b, 0x73, 0x1d, 0x0d, 0x1f,
                                                    0x1e, 0x7f, 0xfe, 'a',  '5'};
        const int first = nonZero ? 1 : 0;
        return static_cast<char>(
            kValues[Upto(static_cast<int>(sizeof kValues) - 1 - first) + first]);
    }
    std::string Bytes(int most, bool nonZero = false) {
        std::string bytes(static_cast<std::size_t>(Upto(most)), '\0');
        for (char& byte : bytes) byte = Byte(nonZero);
        return bytes;
    }
    void Slot(CommandSlot& slot, int least, int most) {
        slot.Clear();
        const int length = least + Upto(most - least);
        for (int i = 0; i < length; ++i)
            slot.bytes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(Byte(true));
    }

  private:
    std::mt19937 engine_;
};

const TrackSelection kSelections[] = {Track1, Track2, Track3, Track12, Track23, NoTrack};

TEST(ReadFuzz, RandomStreamsNeverCrashOrOverrun) {
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        Dice dice(seed);
        DeviceProfile profile;
        dice.Slot(profile.ReadHead, 0, 3);
        dice.Slot(profile.ReadTail, 1, 3);
        dice.Slot(profile.SpaceCharacter23, 0, 1);
        dice.Slot(profile.SPaceCharacter12, 0, 1);
        const TrackSelection tracks = kSelections[dice.Upto(5)];
        const std::string head(profile.ReadHead.View());
        const std::string tail(profile.ReadTail.View());

        ScriptedLine line;
        for (int chunks = dice.Upto(60); chunks > 0; --chunks) {
            switch (dice.Upto(3)) {
                case 0:
                    line.Add("");
                    break;
                case 1:
                    line.Add(dice.Bytes(40));
                    break;
                default:
                    line.Add(head + dice.Bytes(260) + tail.substr(0, dice.Upto(3)));
                    break;
            }
        }

        ReplyReader reader = ReaderOn(profile, line);
        int successNumber = 1;
        for (int attempts = 0;; ++attempts) {
            ASSERT_LT(attempts, 100000) << "seed " << seed << ": the reader makes no progress";
            const auto outcome = reader.AwaitReply();
            if (outcome == ReplyReader::Outcome::End) break;
            if (outcome == ReplyReader::Outcome::Resend) continue;
            const std::string_view data = reader.Data();
            ASSERT_LE(data.size(), ReplyReader::kMaxReply - 1) << "seed " << seed;
            ASSERT_EQ(data.find(tail.front()), std::string_view::npos) << "seed " << seed;
            ASSERT_NE(line.All().find(std::string(data) + tail.front()), std::string::npos)
                << "seed " << seed;
            const ReadEntry entry = MakeReadEntry(TrackSetOf(tracks), data, profile, successNumber);
            ASSERT_GE(entry.successes, 0);
            ASSERT_LE(entry.successes, 1);
            successNumber += entry.successes;
            if (tracks != NoTrack) {
                ASSERT_TRUE(entry.text.ends_with("\r\n" + kHyphens)) << "seed " << seed;
            }
        }
    }
}

// Well-formed replies with a pause between them each come out whole, whatever the frame
// bytes, the data bytes and the profile are.
TEST(ReadFuzz, WellFormedRepliesComeOutWhole) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        Dice dice(seed);
        DeviceProfile profile;
        dice.Slot(profile.ReadHead, 0, 3);
        dice.Slot(profile.ReadTail, 1, 3);
        const std::string head(profile.ReadHead.View());
        const std::string tail(profile.ReadTail.View());

        ScriptedLine line;
        std::vector<std::string> sent;
        for (int replies = 1 + dice.Upto(5); replies > 0; --replies) {
            std::string data = dice.Bytes(228);
            std::erase(data, tail.front());
            line.Add(head + data + tail);
            line.Add("");
            sent.push_back(std::move(data));
        }

        ReplyReader reader = ReaderOn(profile, line);
        std::vector<std::string> received;
        for (auto outcome = reader.AwaitReply(); outcome != ReplyReader::Outcome::End;
             outcome = reader.AwaitReply()) {
            if (outcome == ReplyReader::Outcome::Reply) received.emplace_back(reader.Data());
        }
        ASSERT_EQ(received, sent) << "seed " << seed;
    }
}

}  // namespace
}  // namespace readtest
