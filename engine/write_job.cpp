#include "write_job.h"

#include <string>
#include <vector>

#include "job_texts.h"
#include "write_steps.h"

namespace {

// The operator's message for a planned track left empty: both tracks of a pair named
// together when both are empty, else the first empty one. Empty text when all are there.
std::string MissingTextMessage(const WritePlan& plan, const TrackTexts& texts) {
    std::vector<int> empty;
    for (const int track : plan.tracks) {
        if (TrackText(texts, track).empty()) empty.push_back(track);
    }
    if (empty.empty()) return {};
    if (empty.size() == plan.tracks.size()) return JobTexts::EnterTrackText(plan.label);
    return JobTexts::EnterTrackText(std::to_string(empty.front()));
}

}  // namespace

JobEnding RunSingleWrite(CardJob& job, DeviceFamily& device) {
    const TrackTexts texts = ReadTrackTexts(job);
    const auto plan = PlanFor(TrackSetOf(job.Tracks));
    if (!plan) return JobEnding::Normal;
    if (RefuseJob(job)) return JobEnding::WithoutPause;

    if (const std::string message = MissingTextMessage(*plan, texts); !message.empty()) {
        job.Console->ShowMessageBox(message);
        return JobEnding::WithoutPause;
    }
    if (RefuseOverlongData(job, *plan, texts)) return JobEnding::WithoutPause;

    return WriteCard(job, device, *plan, texts, "") == WriteReply::Broken ? JobEnding::WithoutPause
                                                                        : JobEnding::Normal;
}
