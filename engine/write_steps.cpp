#include "write_steps.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "device_commands.h"
#include "device_silence.h"
#include "job_keys.h"
#include "job_log.h"
#include "job_records.h"
#include "job_texts.h"
#include "read_back.h"

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
                                                   TrackStatus status) {
    std::array<TrackResult, kTrackCount> results;
    for (const int track : plan.tracks) results[track - 1] = {TrackText(data, track), status};
    return results;
}

// Names the card that ran out of tries by its place and its values, in the log and for
// the console.
void ReportTriesExhausted(CardJob& job, const WritePlan& plan, const RunCard& card, int place,
                          int total, int tries) {
    std::vector<std::pair<int, std::string>> values;
    for (const int track : plan.tracks) values.emplace_back(track, TrackText(card.values, track));
    const std::string entry =
        JobTexts::TriesExhausted(place, total, tries, values);
    job.TriesExhausted = entry.substr(0, entry.size() - 2);
    AppendLog(job, entry + JobTexts::HyphenLine());
}

}  // namespace

TrackTexts ReadTrackTexts(CardJob& job) {
    return job.Console->CurrentTrackTexts();
}

void SendWriteSequence(CardJob& job, DeviceLink& link, const WritePlan& plan,
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

WriteReply AwaitWriteReply(CardJob& job, DeviceLink& link, const CommandSlot& expected) {
    const auto length = static_cast<int32_t>(expected.Length());
    if (length == 0) return WriteReply::Matched;
    // One byte more than any reply, so the reply is always zero-terminated. A short
    // attempt leaves its bytes behind, but the next whole attempt overwrites them all.
    std::array<unsigned char, CommandSlot::kCapacity> reply{};
    while (ReadDevice(job, link, reply.data(), length) != length) {
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

WriteReply WriteCard(CardJob& job, DeviceFamily& device, const WritePlan& plan,
                     const TrackTexts& data, std::string_view entryPrefix) {
    if (!JournalSending(job, WrittenTracks(plan, data, TrackStatus::Sending)))
        return WriteReply::Stopped;
    // Without an answer the card's `sending` row stands: it may or may not be written.
    const DeviceVerdict verdict = device.WriteCard(plan, data);
    WriteReply reply = verdict.reply;
    if (reply != WriteReply::Matched && reply != WriteReply::NotMatched) return reply;
    const bool confirmed = reply == WriteReply::Matched;
    std::array<TrackResult, kTrackCount> tracks =
        WrittenTracks(plan, data, confirmed ? TrackStatus::Ok : TrackStatus::Failed);
    std::string verifyText;
    if (confirmed && job.Verify != 0) {
        const ReadBackResult back = ReadBackCard(job, device, plan, data);
        for (const int track : plan.tracks) {
            if (back.trackSame[track - 1]) continue;
            tracks[track - 1].status = TrackStatus::VerifyFailed;
            tracks[track - 1].readBack = back.readBack[track - 1];
        }
        verifyText = back.logText;
        if (back.outcome == ReadBackResult::Outcome::Differs) {
            reply = WriteReply::NotMatched;
            job.VerifyFailure = back.logText.substr(0, back.logText.size() - 2);
        }
        // The device confirmed the card, so it is recorded as such even when Stop or a lost
        // port ended the wait for its read-back; resuming must not write it again.
        const bool ended = back.outcome == ReadBackResult::Outcome::Stopped ||
                           back.outcome == ReadBackResult::Outcome::Broken;
        if (ended) {
            tracks = WrittenTracks(plan, data, TrackStatus::Unverified);
            verifyText = JobTexts::VerifyNotDone();
            reply = back.outcome == ReadBackResult::Outcome::Stopped ? WriteReply::Stopped
                                                                      : WriteReply::Broken;
        }
    }
    AddCardRecord(job, CardKind::Write, tracks);
    AppendWriteResult(job, std::string(entryPrefix) + ResultText(plan, data, confirmed) +
                               verdict.logText + verifyText);
    return reply;
}

JobEnding WriteRun(CardJob& job, DeviceFamily& device, const WritePlan& plan, int64_t total,
                   const RunCardFn& cardAfter, RunTally& tally) {
    int refusedInRow = 0;
    while (tally.written < total) {
        const RunCard card = cardAfter(tally.written);
        switch (WriteCard(job, device, plan, card.values, card.entryPrefix)) {
            case WriteReply::Matched:
                ++tally.written;
                refusedInRow = 0;
                break;
            case WriteReply::NotMatched:
                ++tally.refused;
                if (job.MaxTries > 0 && ++refusedInRow >= job.MaxTries) {
                    // The card after the confirmed ones, counted from 1.
                    const bool placed = card.place > 0;
                    ReportTriesExhausted(
                        job, plan, card, placed ? card.place : static_cast<int>(tally.written + 1),
                        placed ? card.of : static_cast<int>(total), refusedInRow);
                    return JobEnding::WithoutPause;
                }
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
    if (const auto track = TrackOverDeviceBound(plan, data)) {
        job.Console->ShowMessageBox(JobTexts::TrackDataTooLong(*track));
        return true;
    }
    for (const int track : plan.tracks) {
        const std::string problem = ChecksOf(job.Profile).ValueProblem(track, TrackText(data, track));
        if (problem.empty()) continue;
        job.Console->ShowMessageBox(problem);
        return true;
    }
    return false;
}
