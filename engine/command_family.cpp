#include "command_family.h"

#include "card_worker.h"
#include "device_commands.h"
#include "device_silence.h"
#include "job_texts.h"
#include "read_entry.h"
#include "read_reply.h"
#include "write_steps.h"

namespace {

class CommandChecks final : public FamilyChecks {
  public:
    std::vector<JobKey> KeysOfJob(const CardJob& job) const override { return ::KeysOfJob(job); }

    std::string Refusal(const CardJob& job) const override {
        if (job.Erase != 0) return JobTexts::NoEraseCommand();
        const std::vector<std::string_view> missing = MissingKeys(job);
        if (missing.empty()) return {};
        return job.Mode == 1 ? JobTexts::MissingReadKeys(missing)
                             : JobTexts::MissingWriteKeys(missing);
    }

    // The profile's limits are the rule; the device takes whatever bytes come.
    std::string ValueProblem(int, std::string_view) const override { return {}; }
};

// The selection's read command, sent again after every card and every fruitless wait.
class CommandReader final : public CardReader {
  public:
    CommandReader(CardJob& job, SerialLink& link)
        : job_(job),
          link_(link),
          reader_(
              job.Profile,
              [&job, &link](unsigned char* buffer, int32_t count) {
                  return ReadDevice(job, link, buffer, count);
              },
              [&job, &link] { return job.StopFlag.load() != 0 || link.IsBroken(); }) {
        const auto commandKey = ReadCommandKey(TrackSetOf(job.Tracks));
        command_ = commandKey != nullptr ? &(job.Profile.*commandKey) : nullptr;
    }

    Wait AwaitCard(CardTracks& card) override {
        if (command_ != nullptr) SendSlot(link_, *command_);
        switch (reader_.AwaitReply()) {
            case ReplyReader::Outcome::Reply:
                card = SplitReply(TrackSetOf(job_.Tracks), reader_.Data(), job_.Profile);
                return Wait::Card;
            case ReplyReader::Outcome::Resend:
                return Wait::Again;
            case ReplyReader::Outcome::End:
                break;
        }
        return ReportIfBroken(job_, link_) ? Wait::Ended : Wait::Stopped;
    }

  private:
    CardJob& job_;
    SerialLink& link_;
    ReplyReader reader_;
    const CommandSlot* command_ = nullptr;
};

class CommandFamily final : public DeviceFamily {
  public:
    CommandFamily(CardJob& job, SerialLink& link) : job_(job), link_(link) {}

    const FamilyChecks& Checks() const override { return CommandFamilyChecks(); }

    std::unique_ptr<CardReader> StartReading() override {
        return std::make_unique<CommandReader>(job_, link_);
    }

    DeviceVerdict WriteCard(const WritePlan& plan, const TrackTexts& data) override {
        SendWriteSequence(job_, link_, plan, data);
        return {AwaitWriteReply(job_, link_, job_.Profile.*plan.expectedReply), {}};
    }

    // The profile has no erase command; the job's checks turn every erase away first.
    DeviceVerdict Erase(TrackSet) override { return {WriteReply::NotMatched, {}}; }

    void Reset() override { SendSlot(link_, job_.Profile.SoftReset); }

  private:
    CardJob& job_;
    SerialLink& link_;
};

}  // namespace

const FamilyChecks& CommandFamilyChecks() {
    static const CommandChecks checks;
    return checks;
}

std::unique_ptr<DeviceFamily> MakeCommandFamily(CardJob& job, SerialLink& link) {
    return std::make_unique<CommandFamily>(job, link);
}
