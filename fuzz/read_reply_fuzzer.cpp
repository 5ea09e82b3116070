// The reply reader and the log entry on a small profile drawn from the input and a line
// that delivers the rest in chunks: a reply holds only bytes that came after a head and
// before a tail, never more than the bound, and every entry has the log's shape. The same
// input, as it grows byte by byte, is an ESC-block read block: once whole it stays whole
// and the same, its tracks are pieces of it, and no prefix grows past the bound undecided.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "esc_block_codec.h"
#include "gbk.h"
#include "read_entry.h"
#include "read_reply.h"

namespace {

// What the input still holds, delivered as a serial line with time-outs would: a length
// byte and that many bytes make a chunk that arrives at once (0 is a read's whole time-out
// of silence); a read takes what its chunk still holds, up to the count asked for. The
// job ends at the first read that finds nothing left, so the last reply is taken whole.
class ChunkedLine {
  public:
    explicit ChunkedLine(FuzzInput& input) : input_(input) {}

    int32_t Read(unsigned char* buffer, int32_t count) {
        if (count <= 0) return 0;
        if (chunk_.empty()) {
            if (input_.Empty()) {
                ended_ = true;
                return 0;
            }
            chunk_ = input_.Bytes(input_.Byte());
        }
        const std::string_view taken = chunk_.substr(0, static_cast<std::size_t>(count));
        std::copy(taken.begin(), taken.end(), buffer);
        consumed_ += taken;
        chunk_.remove_prefix(taken.size());
        if (taken.size() < static_cast<std::size_t>(count)) chunk_ = {};
        return static_cast<int32_t>(taken.size());
    }
    bool Ended() const { return ended_; }
    const std::string& Consumed() const { return consumed_; }

  private:
    FuzzInput& input_;
    std::string_view chunk_;
    std::string consumed_;
    bool ended_ = false;
};

// The words the log's lines are made of, in GBK, converted once: a conversion costs more
// than a whole run.
struct LogWords {
    std::string read = Utf8ToGbk("读取");
    std::string failed = Utf8ToGbk("轨失败\r\n");
    std::string ordinal = Utf8ToGbk("第");
    std::string succeeded = Utf8ToGbk("次成功读取，共读取");
    std::string readCount = Utf8ToGbk("共读取");
    std::string of = Utf8ToGbk("个");
    std::string trackData = Utf8ToGbk("轨数据\r\n");
    std::string hyphens = std::string(54, '-') + "\r\n";
};

const LogWords& Words() {
    static const LogWords words;
    return words;
}

// Walks an entry front to back through the pieces the log's formats are made of.
class EntryWalk {
  public:
    EntryWalk(std::string_view text, std::string_view data) : rest_(text), data_(data) {}

    bool Literal(std::string_view gbk) {
        if (!rest_.starts_with(gbk)) return false;
        rest_.remove_prefix(gbk.size());
        return true;
    }
    std::optional<int> Number() {
        std::size_t digits = 0;
        while (digits < rest_.size() && digits < 9 && rest_[digits] >= '0' && rest_[digits] <= '9')
            ++digits;
        if (digits == 0) return std::nullopt;
        const int value = std::stoi(std::string(rest_.substr(0, digits)));
        rest_.remove_prefix(digits);
        return value;
    }
    // A printed part: as many bytes as its count says, a piece of the data with no NUL,
    // then the line break.
    void Counted(int count) {
        Require(count >= 0 && static_cast<std::size_t>(count) <= rest_.size(), "count fits");
        const std::string_view text = rest_.substr(0, static_cast<std::size_t>(count));
        Require(text.find('\0') == std::string_view::npos, "printed text ends at a NUL");
        Require(data_.find(text) != std::string_view::npos, "printed text comes from the reply");
        rest_.remove_prefix(text.size());
        Require(Literal("\r\n"), "line break after the printed text");
    }
    void Hyphens() { Require(Literal(Words().hyphens), "hyphen line"); }
    bool Done() const { return rest_.empty(); }

  private:
    std::string_view rest_;
    std::string_view data_;
};

// One track's lines; returns whether it counted as a success.
bool WalkTrack(EntryWalk& walk, int track, bool second, bool closed, int successNumber) {
    const LogWords& words = Words();
    const std::string digit = std::to_string(track);
    if (walk.Literal(words.read)) {
        Require(walk.Literal(digit) && walk.Literal(words.failed), "failure line");
        walk.Hyphens();
        return false;
    }
    if (second) {
        walk.Hyphens();
        Require(walk.Literal(words.readCount), "second track's count");
    } else {
        Require(walk.Literal(words.ordinal), "success line or failure line");
        Require(walk.Number() == successNumber, "success number");
        Require(walk.Literal(words.succeeded), "success line");
    }
    const auto count = walk.Number();
    Require(count && walk.Literal(words.of) && walk.Literal(digit) && walk.Literal(words.trackData),
            "count line");
    walk.Counted(*count);
    if (second || closed) walk.Hyphens();
    return !second;
}

void CheckEntry(TrackSelection tracks, std::string_view data, const DeviceProfile& profile,
                int& successNumber) {
    const ReadEntry entry = MakeReadEntry(TrackSetOf(tracks), data, profile, successNumber);
    EntryWalk walk(entry.text, data);
    int successes = 0;
    switch (tracks) {
        case Track1:
        case Track2:
        case Track3:
            successes += WalkTrack(walk,
                                   tracks == Track1   ? 1
                                   : tracks == Track2 ? 2
                                                      : 3,
                                   false, true, successNumber);
            break;
        case Track12:
        case Track23:
            successes += WalkTrack(walk, tracks == Track12 ? 1 : 2, false, false, successNumber);
            WalkTrack(walk, tracks == Track12 ? 2 : 3, true, true, successNumber);
            break;
        case NoTrack:
            break;
    }
    Require(walk.Done(), "nothing after the entry");
    Require(entry.successes == successes, "successes counted as logged");
    successNumber += entry.successes;
}

void CheckEscBlock(std::string_view bytes) {
    std::optional<EscBlock::ReadBlock> whole;
    for (std::size_t size = 0; size <= bytes.size(); ++size) {
        const EscBlock::ReadBlock block = EscBlock::ParseReadBlock(bytes.substr(0, size));
        if (whole) {
            Require(block.progress == EscBlock::Progress::Done && block.status == whole->status,
                    "a whole block stays whole");
            continue;
        }
        if (block.progress == EscBlock::Progress::NeedMore) {
            Require(size <= EscBlock::kMaxReply, "no prefix past the bound is left undecided");
            continue;
        }
        if (block.progress == EscBlock::Progress::Bad) return;
        whole = block;
        for (const EscBlock::TrackField& field : block.tracks) {
            Require(bytes.find(field.data) != std::string_view::npos, "a track is a piece of the reply");
        }
    }
}

constexpr TrackSelection kSelections[] = {Track1, Track2, Track3, Track12, Track23, NoTrack};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    CheckEscBlock({reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 1024)});
    FuzzInput input(data, size);
    const TrackSelection tracks = kSelections[input.Byte() % 6];
    DeviceProfile profile;
    input.Slot(profile.ReadHead, 0, 3);
    input.Slot(profile.ReadTail, 1, 3);
    input.Slot(profile.SpaceCharacter23, 0, 1);
    input.Slot(profile.SPaceCharacter12, 0, 1);
    const std::string head(profile.ReadHead.View());
    const std::string tail(profile.ReadTail.View());

    ChunkedLine line(input);
    ReplyReader reader(
        profile, [&line](unsigned char* buffer, int32_t count) { return line.Read(buffer, count); },
        [&line] { return line.Ended(); });
    int successNumber = 1;
    for (auto outcome = reader.AwaitReply(); outcome != ReplyReader::Outcome::End;
         outcome = reader.AwaitReply()) {
        if (outcome != ReplyReader::Outcome::Reply) continue;
        const std::string_view reply = reader.Data();
        Require(reply.size() < ReplyReader::kMaxReply, "data and tail byte within the bound");
        Require(reply.find(tail.front()) == std::string_view::npos, "data ends at the tail byte");
        Require(line.Consumed().find(head + std::string(reply) + tail.front()) != std::string::npos,
                "the data came right after a head");
        Require(line.Consumed().ends_with(tail.substr(1)), "the rest of the tail came last");
        CheckEntry(tracks, reply, profile, successNumber);
    }
    return 0;
}
