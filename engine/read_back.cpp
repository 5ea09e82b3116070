#include "read_back.h"

#include "job_log.h"
#include "job_texts.h"
#include "read_entry.h"

ReadBackResult ReadBackCard(CardJob& job, DeviceFamily& device, const WritePlan& plan,
                            const TrackTexts& written) {
    ReadBackResult result;
    AppendLog(job, JobTexts::SwipeToVerify());
    const std::unique_ptr<CardReader> reader = device.StartReading();
    CardTracks card;
    while (true) {
        const CardReader::Wait wait = reader->AwaitCard(card);
        if (wait == CardReader::Wait::Card) break;
        if (wait == CardReader::Wait::Stopped) return result;
        if (wait == CardReader::Wait::Ended) {
            result.outcome = ReadBackResult::Outcome::Broken;
            return result;
        }
    }

    const ReadEntry read = MakeCardEntry(TrackSetOf(job.Tracks), card, 1);
    result.outcome = ReadBackResult::Outcome::Same;
    for (const int track : plan.tracks) {
        const TrackResult& back = read.tracks[track - 1];
        const bool failed = back.status != TrackStatus::Ok;
        const bool same = !failed && back.bytes == TrackText(written, track);
        result.trackSame[track - 1] = same;
        if (same) continue;
        result.outcome = ReadBackResult::Outcome::Differs;
        if (!failed) result.readBack[track - 1] = back.bytes;
        result.logText += failed ? JobTexts::VerifyReadFailed(track)
                                 : JobTexts::VerifyDiffers(track, TrackText(written, track),
                                                           back.bytes);
    }
    if (result.outcome == ReadBackResult::Outcome::Same) result.logText = JobTexts::VerifyPassed();
    return result;
}
