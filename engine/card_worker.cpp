#include "card_worker.h"

#include <chrono>
#include <thread>

#include "continuous_write.h"
#include "device_family.h"
#include "device_silence.h"
#include "erase_job.h"
#include "job_log.h"
#include "job_texts.h"
#include "list_write.h"
#include "read_loop.h"
#include "write_job.h"

namespace {

JobEnding RunBranch(CardJob& job, DeviceFamily& device) {
    if (job.Mode != 0) return RunReadLoop(job, device);
    if (job.Erase != 0) return RunErase(job, device);
    if (!job.CardList.empty()) return RunListWrite(job, device);
    if (job.Continuous != 0) return RunContinuousWrite(job, device);
    return RunSingleWrite(job, device);
}

// The pause after a write that ran to its end. Stop cuts it short, so that closing the
// window never waits on a long profile delay.
void PauseUnlessStopped(const CardJob& job) {
    using namespace std::chrono;
    const auto end = steady_clock::now() + milliseconds(job.Profile.SysDelay);
    while (job.StopFlag.load() == 0 && steady_clock::now() < end) {
        std::this_thread::sleep_for(
            std::min<steady_clock::duration>(milliseconds(20), end - steady_clock::now()));
    }
}

// Logs why the port failed and keeps the reason for the console.
void ReportPortFailure(CardJob& job, const std::string& entry) {
    job.PortFailure = entry.ends_with("\r\n") ? entry.substr(0, entry.size() - 2) : entry;
    AppendLog(job, entry + JobTexts::HyphenLine());
}

}  // namespace

bool ReportIfBroken(CardJob& job, const SerialLink& link) {
    if (!link.IsBroken()) return false;
    ReportPortFailure(job, JobTexts::PortBroken(link.PortName(), link.FailureReason()));
    return true;
}

int CardWorker(CardJob* job) {
    return CardWorker(job, SerialTimeouts{});
}

int CardWorker(CardJob* job, const SerialTimeouts& timeouts) {
    if (job == nullptr) return -1;
    job->PortFailure.clear();
    job->TriesExhausted.clear();
    job->VerifyFailure.clear();
    job->Erased = 0;
    job->ListRow = 0;
    job->JournalFailure.clear();

    SerialLink link(timeouts);
    link.SetPortName(job->PortName);
    link.SetSettings(job->CommSettings);
    link.Open();
    StartSilenceWatch(*job);

    const std::unique_ptr<DeviceFamily> device = MakeDeviceFamily(*job, link);
    JobEnding ending = JobEnding::WithoutPause;
    if (link.IsOpen()) {
        ending = RunBranch(*job, *device);
    } else {
        // Running on against a port that is not there would only loop until Stop.
        ReportPortFailure(*job, JobTexts::PortOpenFailed(job->PortName, link.FailureReason()));
    }

    if (ending == JobEnding::Normal) PauseUnlessStopped(*job);
    device->Reset();
    link.Close();
    job->StopFlag.store(0);
    job->Console->Deliver(WM_JOB_DONE, kJobMessageWParam, kJobMessageLParam);
    return 0;
}
