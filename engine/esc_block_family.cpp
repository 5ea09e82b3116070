#include "esc_block_family.h"

#include <chrono>
#include <functional>
#include <thread>

#include "card_worker.h"
#include "device_commands.h"
#include "device_silence.h"
#include "esc_block_codec.h"
#include "esc_block_line.h"
#include "job_log.h"
#include "job_texts.h"

namespace {

using std::chrono::milliseconds;

// How long a set-up command's answer may take.
constexpr milliseconds kAnswerWait{2000};
// After a reset the device may still send what it had begun.
constexpr milliseconds kResetSettle{100};

class EscChecks final : public FamilyChecks {
  public:
    std::vector<JobKey> KeysOfJob(const CardJob&) const override { return {}; }

    std::string Refusal(const CardJob& job) const override {
        const bool writes = job.Mode == 0 && job.Erase == 0;
        return writes && job.IsoFormat == 0 ? JobTexts::IsoOnly() : std::string();
    }

    std::string ValueProblem(int track, std::string_view value) const override {
        const auto byte = EscBlock::ForeignCharacter(track, value);
        return byte ? JobTexts::ForeignCharacter(track, *byte) : std::string();
    }
};

class EscBlockFamily final : public DeviceFamily {
  public:
    EscBlockFamily(CardJob& job, SerialLink& link) : job_(job), link_(link) {}

    const FamilyChecks& Checks() const override { return EscBlockChecks(); }
    std::unique_ptr<CardReader> StartReading() override;
    DeviceVerdict WriteCard(const WritePlan& plan, const TrackTexts& data) override;
    DeviceVerdict Erase(TrackSet tracks) override;
    void Reset() override { Send(EscBlock::Reset()); }

    void Send(const std::string& bytes) { SendBytes(link_, bytes); }

    // The job's settings, sent once before its first card; false when the device did not
    // take them (logged) or the job was stopped meanwhile.
    bool SetUp();
    // ListenFor on the job's line, until Stop; a broken port is logged. Only an answer to
    // a set-up command is watched for silence (device_silence.h): waiting for a swipe, the
    // device rightly says nothing for as long as the operator takes.
    enum class Awaiting { Swipe, Answer };
    Heard Listen(std::string& bytes, const ReplyParse& parse, milliseconds limit,
                 Awaiting awaiting = Awaiting::Swipe);
    milliseconds SwipeLimit() const { return milliseconds(job_.Profile.Protocol.swipeTimeoutMs); }
    // Cancels what the device waits for and drops what it still sends.
    void ResetAndDrop();
    // A card's verdict from its `ESC status` reply.
    DeviceVerdict AwaitStatus();
    bool Stopped() const { return job_.StopFlag.load() != 0; }

  private:
    // Sends a set-up command and checks its answer; logs and returns false when refused.
    bool Ask(JobTexts::SetUpStep step, const std::string& command, const ReplyParse& parse);

    CardJob& job_;
    SerialLink& link_;
    enum class SetUpState { Pending, Done, Failed } setUp_ = SetUpState::Pending;
};

// Armed once per card: the device is not asked again while it waits for a swipe.
class EscBlockReader final : public CardReader {
  public:
    explicit EscBlockReader(EscBlockFamily& family) : family_(family) {}

    Wait AwaitCard(CardTracks& card) override {
        if (!family_.SetUp()) return family_.Stopped() ? Wait::Stopped : Wait::Ended;
        // A job stopped at the last card's refresh is not armed again.
        if (family_.Stopped()) return Wait::Stopped;
        if (!armed_) family_.Send(EscBlock::Read());
        armed_ = true;
        std::string bytes;
        const Heard heard = family_.Listen(
            bytes, [](std::string_view b) { return EscBlock::ParseReadBlock(b).progress; },
            family_.SwipeLimit());
        switch (heard) {
            case Heard::Whole:
                armed_ = false;
                card = TracksOf(EscBlock::ParseReadBlock(bytes));
                return Wait::Card;
            case Heard::Bad:
            case Heard::Silent:
                armed_ = false;
                family_.ResetAndDrop();
                return Wait::Again;
            case Heard::Stopped:
                return Wait::Stopped;
            case Heard::Broken:
                break;
        }
        return Wait::Ended;
    }

  private:
    // A block with a bad status or out of order is a card none of whose tracks can be trusted.
    static CardTracks TracksOf(const EscBlock::ReadBlock& block) {
        CardTracks card;
        if (!block.wellFormed || block.status != EscBlock::kStatusOk) return card;
        for (int track = 1; track <= kTrackCount; ++track) {
            const EscBlock::TrackField& field = block.tracks[track - 1];
            if (field.kind == EscBlock::TrackField::Kind::Data) card[track - 1] = field.data;
        }
        return card;
    }

    EscBlockFamily& family_;
    bool armed_ = false;
};

bool EscBlockFamily::Ask(JobTexts::SetUpStep step, const std::string& command,
                         const ReplyParse& parse) {
    Send(command);
    std::string bytes;
    const Heard heard = Listen(bytes, parse, kAnswerWait, Awaiting::Answer);
    if (heard == Heard::Whole || heard == Heard::Stopped) return heard == Heard::Whole;
    if (heard == Heard::Broken) return false;
    const EscBlock::StatusReply status = EscBlock::ParseStatus(bytes);
    const std::string reason = status.progress == EscBlock::Progress::Done
                                   ? JobTexts::DeviceStatus(status.status)
                                   : JobTexts::NoAnswer();
    AppendLog(job_, JobTexts::SetUpFailed(step, reason) + JobTexts::HyphenLine());
    return false;
}

bool EscBlockFamily::SetUp() {
    if (setUp_ != SetUpState::Pending) return setUp_ == SetUpState::Done;
    setUp_ = SetUpState::Failed;
    using JobTexts::SetUpStep;
    // An answer other than `ESC 30` is a refusal; Listen takes it whole so it can be named.
    const auto ok = [](std::string_view b) {
        const EscBlock::StatusReply reply = EscBlock::ParseStatus(b);
        if (reply.progress != EscBlock::Progress::Done) return reply.progress;
        return reply.status == EscBlock::kStatusOk ? EscBlock::Progress::Done : EscBlock::Progress::Bad;
    };
    const ProtocolSettings& settings = job_.Profile.Protocol;
    if (!Ask(SetUpStep::Coercivity, EscBlock::Coercivity(job_.LowCoercivity == 0), ok)) return false;
    const std::pair<int, std::optional<int>> densities[] = {
        {1, settings.track1Bpi},
        {2, job_.LowDensity == 1 ? 75 : 210},
        {3, settings.track3Bpi},
    };
    for (const auto& [track, bpi] : densities) {
        if (bpi && !Ask(SetUpStep::Density, EscBlock::Density(track, *bpi), ok)) return false;
    }
    if (const auto bits = settings.bitsPerChar) {
        const auto echo = [bits](std::string_view b) { return EscBlock::ParseBitsPerCharEcho(b, *bits); };
        if (!Ask(SetUpStep::BitsPerChar, EscBlock::BitsPerChar(*bits), echo)) return false;
    }
    if (settings.leadingZeros13 && settings.leadingZeros2 &&
        !Ask(SetUpStep::LeadingZeros,
             EscBlock::LeadingZeros(*settings.leadingZeros13, *settings.leadingZeros2), ok)) {
        return false;
    }
    setUp_ = SetUpState::Done;
    return true;
}

Heard EscBlockFamily::Listen(std::string& bytes, const ReplyParse& parse, milliseconds limit,
                             Awaiting awaiting) {
    LineRead watched;
    if (awaiting == Awaiting::Answer) {
        watched = [this](unsigned char* buffer, int32_t count) {
            return ReadDevice(job_, link_, buffer, count);
        };
    }
    const Heard heard =
        ListenFor(link_, bytes, parse, limit, [this] { return Stopped(); }, watched);
    if (heard == Heard::Broken) ReportIfBroken(job_, link_);
    return heard;
}

void EscBlockFamily::ResetAndDrop() {
    Send(EscBlock::Reset());
    std::this_thread::sleep_for(kResetSettle);
    std::array<unsigned char, 256> dropped{};
    while (link_.Read(dropped.data(), static_cast<int32_t>(dropped.size())) > 0 && !Stopped()) {
    }
}

DeviceVerdict EscBlockFamily::AwaitStatus() {
    std::string bytes;
    switch (Listen(bytes, [](std::string_view b) { return EscBlock::ParseStatus(b).progress; },
                   SwipeLimit())) {
        case Heard::Whole: {
            const unsigned char status = EscBlock::ParseStatus(bytes).status;
            if (status == EscBlock::kStatusOk) return {WriteReply::Matched, {}};
            return {WriteReply::NotMatched, JobTexts::DeviceStatus(status)};
        }
        case Heard::Bad:
            ResetAndDrop();
            return {WriteReply::NotMatched, JobTexts::NoAnswer()};
        case Heard::Silent:
            ResetAndDrop();
            return {WriteReply::NotMatched, JobTexts::SwipeTimedOut()};
        case Heard::Stopped:
            return {WriteReply::Stopped, {}};
        case Heard::Broken:
            break;
    }
    return {WriteReply::Broken, {}};
}

std::unique_ptr<CardReader> EscBlockFamily::StartReading() {
    return std::make_unique<EscBlockReader>(*this);
}

DeviceVerdict EscBlockFamily::WriteCard(const WritePlan& plan, const TrackTexts& data) {
    if (!SetUp()) return {Stopped() ? WriteReply::Stopped : WriteReply::Broken, {}};
    std::array<std::string, kTrackCount> block;
    for (const int track : plan.tracks) block[track - 1] = TrackText(data, track);
    Send(EscBlock::WriteBlock(block));
    return AwaitStatus();
}

DeviceVerdict EscBlockFamily::Erase(TrackSet tracks) {
    if (!SetUp()) return {Stopped() ? WriteReply::Stopped : WriteReply::Broken, {}};
    Send(EscBlock::Erase(tracks));
    return AwaitStatus();
}

}  // namespace

const FamilyChecks& EscBlockChecks() {
    static const EscChecks checks;
    return checks;
}

std::unique_ptr<DeviceFamily> MakeEscBlockFamily(CardJob& job, SerialLink& link) {
    return std::make_unique<EscBlockFamily>(job, link);
}
