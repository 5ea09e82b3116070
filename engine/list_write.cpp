#include "list_write.h"

#include <vector>

#include "job_keys.h"
#include "job_log.h"
#include "job_texts.h"
#include "write_steps.h"

JobEnding RunListWrite(CardJob& job, SerialLink& link) {
    const auto plan = PlanFor(TrackSetOf(job.Tracks));
    if (!plan || job.CardList.empty()) return JobEnding::Normal;
    if (RefuseMissingKeys(job)) return JobEnding::WithoutPause;

    // The list was checked before the job; this only keeps an unchecked one within what
    // the device's buffers take.
    std::vector<TrackTexts> cards;
    cards.reserve(job.CardList.size());
    for (const ListCard& card : job.CardList) {
        cards.push_back({card.tracks[0], card.tracks[1], card.tracks[2]});
        if (RefuseOverlongData(job, *plan, cards.back())) return JobEnding::WithoutPause;
    }

    const int total = static_cast<int>(cards.size());
    RunTally tally;
    const JobEnding ending = WriteRun(
        job, link, *plan, total,
        [&](int64_t written) {
            const int number = static_cast<int>(written) + 1;
            return RunCard{cards[written], JobTexts::ListCardPrefix(number, total)};
        },
        tally);
    AppendLog(job, JobTexts::ListWriteEnd(static_cast<int>(tally.written),
                                          static_cast<int>(tally.refused)) +
                       JobTexts::HyphenLine());
    return ending;
}
