#include "list_write.h"

#include "job_log.h"
#include "job_texts.h"
#include "write_steps.h"

void SetCardList(CardJob& job, const std::vector<ListCard>& cards, int listSize) {
    job.CardList.clear();
    job.CardListRows.clear();
    for (const ListCard& card : cards) {
        job.CardList.push_back({card.tracks[0], card.tracks[1], card.tracks[2]});
        job.CardListRows.push_back(card.row);
    }
    job.CardListTotal = listSize;
}

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
    const int listTotal = job.CardListTotal > 0 ? job.CardListTotal : total;
    RunTally tally;
    const JobEnding ending = WriteRun(
        job, device, *plan, total,
        [&](int64_t written) {
            const auto at = static_cast<std::size_t>(written);
            job.ListRow = at < job.CardListRows.size() ? job.CardListRows[at]
                                                       : static_cast<int>(written) + 1;
            return RunCard{job.CardList[at], JobTexts::ListCardPrefix(job.ListRow, listTotal),
                           job.ListRow, listTotal};
        },
        tally);
    job.ListRow = 0;
    const int written = static_cast<int>(tally.written);
    // A list cut short says so, and how many cards are still to write; a resumed one counts
    // the cards written before it, so that both speak of the whole list.
    const int writtenBefore = listTotal - total;
    AppendLog(job, JobTexts::ListWriteEnd(written, static_cast<int>(tally.refused)) +
                       (written >= total ? JobTexts::ListWriteComplete(listTotal)
                                         : JobTexts::ListWriteLeft(writtenBefore + written,
                                                                   total - written)) +
                       JobTexts::HyphenLine());
    return ending;
}
