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
    AppendLog(job, JobTexts::ListWriteEnd(static_cast<int>(tally.written),
                                          static_cast<int>(tally.refused)) +
                       JobTexts::HyphenLine());
    return ending;
}
