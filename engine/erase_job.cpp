#include "erase_job.h"

#include "job_texts.h"
#include "write_steps.h"

JobEnding RunErase(CardJob& job, DeviceFamily& device) {
    const auto tracks = TrackSetOf(job.Tracks);
    if (!tracks) return JobEnding::Normal;
    if (RefuseJob(job)) return JobEnding::WithoutPause;

    const DeviceVerdict verdict = device.Erase(*tracks);
    const std::string label = PlanFor(tracks)->label;
    switch (verdict.reply) {
        case WriteReply::Matched:
            job.Erased = 1;
            AppendWriteResult(job, JobTexts::EraseSuccess(label) + verdict.logText);
            return JobEnding::Normal;
        case WriteReply::NotMatched:
            AppendWriteResult(job, JobTexts::EraseFailure(label) + verdict.logText);
            return JobEnding::Normal;
        case WriteReply::Stopped:
            return JobEnding::Normal;
        case WriteReply::Broken:
            break;
    }
    return JobEnding::WithoutPause;
}
