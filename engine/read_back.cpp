#include "read_back.h"

#include "device_commands.h"
#include "job_log.h"
#include "job_texts.h"
#include "read_entry.h"
#include "job_keys.h"
#include "read_loop.h"
#include "read_reply.h"

ReadBackResult ReadBackCard(CardJob& job, DeviceLink& link, const WritePlan& plan,
                            const TrackTexts& written) {
    ReadBackResult result;
    const auto commandKey = ReadCommandKey(TrackSetOf(job.Tracks));
    std::vector<std::string_view> missing;
    if (commandKey == nullptr || (job.Profile.*commandKey).Empty()) missing.push_back("ReadTack");
    if (job.Profile.ReadTail.Empty()) missing.push_back("ReadTail");
    if (!missing.empty()) {
        // Without them no card could be read back: the job ends as on Stop, said once.
        AppendLog(job, JobTexts::MissingReadKeys(missing) + JobTexts::HyphenLine());
        return result;
    }
    AppendLog(job, JobTexts::SwipeToVerify());
    ReplyReader reader(
        job.Profile,
        [&link](unsigned char* buffer, int32_t count) { return link.Read(buffer, count); },
        [&] { return job.StopFlag.load() != 0 || link.IsBroken(); });
    while (true) {
        SendSlot(link, job.Profile.*commandKey);
        const ReplyReader::Outcome outcome = reader.AwaitReply();
        if (outcome == ReplyReader::Outcome::Reply) break;
        if (outcome == ReplyReader::Outcome::End) {
            result.outcome = ReportIfBroken(job, link) ? ReadBackResult::Outcome::Broken
                                                       : ReadBackResult::Outcome::Stopped;
            return result;
        }
    }

    const ReadEntry read = MakeReadEntry(TrackSetOf(job.Tracks), reader.Data(), job.Profile, 1);
    result.outcome = ReadBackResult::Outcome::Same;
    for (const int track : plan.tracks) {
        const TrackResult& back = read.tracks[track - 1];
        const bool failed = back.status != TrackStatus::Ok;
        const bool same = !failed && back.bytes == TrackText(written, track);
        result.trackSame[track - 1] = same;
        if (same) continue;
        result.outcome = ReadBackResult::Outcome::Differs;
        result.logText += failed ? JobTexts::VerifyReadFailed(track) : JobTexts::VerifyDiffers(track);
    }
    if (result.outcome == ReadBackResult::Outcome::Same) result.logText = JobTexts::VerifyPassed();
    return result;
}
