#include "write_steps.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "device_commands.h"
#include "job_keys.h"
#include "job_log.h"
#include "job_records.h"
#include "job_texts.h"

namespace {

std::string ResultText(const WritePlan& plan, const TrackTexts& data, bool matched) {
    if (!matched) return JobTexts::WriteFailure(plan.label);
    std::string text;
    for (const int track : plan.tracks) {
        const std::string& value = TrackText(data, track);
        text += JobTexts::WriteSuccess(track, static_cast<int>(value.size()), value);
    }
    return text;
}

std::array<TrackResult, kTrackCount> WrittenTracks(const WritePlan& plan, const TrackTexts& data,
                                                   bool matched) {
    std::array<TrackResult, kTrackCount> results;
    for (const int track : plan.tracks) {
        results[track - 1] = {TrackText(data, track),
                              matched ? TrackStatus::Ok : TrackStatus::Failed};
    }
    return results;
}

}  // namespace

TrackTexts ReadTrackTexts(CardJob& job) {
    return job.Console->CurrentTrackTexts();
}

void SendWriteSequence(CardJob& job, SerialLink& link, const WritePlan& plan,
                       const TrackTexts& data) {
    const DeviceProfile& profile = job.Profile;
    for (const JobKey& setUp : WriteSetUpKeys(job)) SendSlot(link, profile.*setUp.slot);
    SendSlot(link, profile.*plan.command);
    for (std::size_t i = 0; i < plan.tracks.size(); ++i) {
        if (const auto separator = SeparatorBefore(plan, i)) SendSlot(link, profile.*separator);
        SendBytes(link, TrackText(data, plan.tracks[i]));
    }
    SendSlot(link, profile.WriteTail);
    SendSlot(link, profile.CmdCheckStatus);
}

WriteReply AwaitWriteReply(CardJob& job, SerialLink& link, const CommandSlot& expected) {
    const auto length = static_cast<int32_t>(expected.Length());
    if (length == 0) return WriteReply::Matched;
    // One byte more than any reply, so the reply is always zero-terminated. A short
    // attempt leaves its bytes behind, but the next whole attempt overwrites them all.
    std::array<unsigned char, CommandSlot::kCapacity> reply{};
    while (link.Read(reply.data(), length) != length) {
        if (ReportIfBroken(job, link)) return WriteReply::Broken;
        if (job.StopFlag.load() != 0) return WriteReply::Stopped;
    }
    const auto compared =
        static_cast<std::size_t>(std::find(reply.begin(), reply.end(), 0) - reply.begin());
    return std::memcmp(reply.data(), expected.bytes.data(), compared) == 0 ? WriteReply::Matched
                                                                           : WriteReply::NotMatched;
}

void AppendWriteResult(CardJob& job, std::string_view resultText) {
    std::string entry = JobTexts::HyphenLine();
    entry += resultText;
    entry += JobTexts::HyphenLine();
    AppendLog(job, entry);
}

WriteReply WriteCard(CardJob& job, SerialLink& link, const WritePlan& plan, const TrackTexts& data,
                     const CardPlace& place) {
    SendWriteSequence(job, link, plan, data);
    const WriteReply reply = AwaitWriteReply(job, link, job.Profile.*plan.expectedReply);
    if (reply == WriteReply::Matched || reply == WriteReply::NotMatched) {
        const bool matched = reply == WriteReply::Matched;
        AddCardRecord(job, place.number, CardKind::Write, WrittenTracks(plan, data, matched));
        AppendWriteResult(job, place.entryPrefix + ResultText(plan, data, matched));
    }
    return reply;
}

JobEnding WriteRun(CardJob& job, SerialLink& link, const WritePlan& plan, int64_t total,
                   const RunCardFn& cardAfter, RunTally& tally) {
    while (tally.written < total) {
        const RunCard card = cardAfter(tally.written);
        switch (WriteCard(job, link, plan, card.values, card.place)) {
            case WriteReply::Matched:
                ++tally.written;
                break;
            case WriteReply::NotMatched:
                ++tally.refused;
                break;
            case WriteReply::Stopped:
                return JobEnding::Normal;
            case WriteReply::Broken:
                return JobEnding::WithoutPause;
        }
        // A device that answers every card at once never lets the reply wait see Stop.
        if (job.StopFlag.load() != 0) return JobEnding::Normal;
    }
    return JobEnding::Normal;
}

bool RefuseOverlongData(CardJob& job, const WritePlan& plan, const TrackTexts& data) {
    const auto track = TrackOverDeviceBound(plan, data);
    if (track) job.Console->ShowMessageBox(JobTexts::TrackDataTooLong(*track));
    return track.has_value();
}
