#include "list_write.h"

#include <vector>

#include "job_log.h"
#include "job_texts.h"
#include "write_steps.h"

namespace {

struct ListTally {
    int written = 0;
    int refused = 0;  // replies that did not match, each followed by the same card again
};

TrackTexts ValuesOf(const ListCard& card) {
    return {card.tracks[0], card.tracks[1], card.tracks[2]};
}

JobEnding WriteCards(CardJob& job, SerialLink& link, const WritePlan& plan,
                     const std::vector<TrackTexts>& cards, ListTally& tally) {
    const int total = static_cast<int>(cards.size());
    while (tally.written < total) {
        const int number = tally.written + 1;
        const CardPlace place{number, JobTexts::ListCardPrefix(number, total)};
        switch (WriteCard(job, link, plan, cards[tally.written], place)) {
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

}  // namespace

JobEnding RunListWrite(CardJob& job, SerialLink& link) {
    const auto plan = PlanFor(job.Tracks);
    if (!plan || job.CardList.empty()) return JobEnding::Normal;
    if (RefuseMissingCommands(job, *plan)) return JobEnding::WithoutPause;

    // The list was checked before the job; this only keeps an unchecked one within what
    // the device's buffers take.
    std::vector<TrackTexts> cards;
    cards.reserve(job.CardList.size());
    for (const ListCard& card : job.CardList) {
        cards.push_back(ValuesOf(card));
        if (RefuseOverlongData(job, *plan, cards.back())) return JobEnding::WithoutPause;
    }

    ListTally tally;
    const JobEnding ending = WriteCards(job, link, *plan, cards, tally);
    AppendLog(job, JobTexts::ListWriteEnd(tally.written, tally.refused) + JobTexts::HyphenLine());
    return ending;
}
