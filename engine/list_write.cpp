#include "list_write.h"

#include "job_log.h"
#include "job_texts.h"
#include "write_steps.h"

JobEnding RunListWrite(CardJob& job, DeviceFamily& device) {
    const auto plan = PlanFor(TrackSetOf(job.Tracks));
    if (!plan || job.CardList.empty()) return JobEnding::Normal;
    if (RefuseJob(job)) return JobEnding::WithoutPause;

    // The list was checked before the job; this only keeps an unchecked one within what
    // the device's buffers take.
    for (const TrackTexts& card : job.CardList) {
        if (RefuseOverlongData(job, *plan, card)) return JobEnding::WithoutPause;
    }

    const int total = static_cast<int>(job.CardList.size());
    RunTally tally;
    const JobEnding ending = WriteRun(
        job, device, *plan, total,
        [&](int64_t written) {
            const int number = static_cast<int>(written) + 1;
            return RunCard{job.CardList[written], JobTexts::ListCardPrefix(number, total)};
        },
        tally);
    const int written = static_cast<int>(tally.written);
    // A list cut short says so, and how many cards are still to write.
    AppendLog(job, JobTexts::ListWriteEnd(written, static_cast<int>(tally.refused)) +
                       (written >= total ? JobTexts::ListWriteComplete(total)
                                         : JobTexts::ListWriteLeft(written, total - written)) +
                       JobTexts::HyphenLine());
    return ending;
}
