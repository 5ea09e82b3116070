#include "pty_job_harness.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <thread>

#include "card_worker.h"
#include "serial_link.h"

using namespace std::chrono_literals;

std::string ReceiveFrom(PtyPeer& device, std::size_t count, std::chrono::milliseconds limit) {
    std::string received;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (received.size() < count && std::chrono::steady_clock::now() < deadline) {
        const std::string piece = device.Receive(50ms, count - received.size());
        // Nothing yet: the job may not have opened its end, and the peer then sees a hang-up
        // that returns at once.
        if (piece.empty()) std::this_thread::sleep_for(2ms);
        received += piece;
    }
    return received;
}

PtyJobHarness::PtyJobHarness(int mode) {
    job.Mode = mode;
    job.CommSettings = SerialLink::kDefaultSettings;
    job.Console = &console;
    console.OnMessage([this](const RecordingConsole::Event& event) {
        if (event.kind != RecordingConsole::Event::Kind::Message) return;
        if (event.message == WM_LOG_REFRESH && ++refreshes_ == stopAfter_) Stop();
        if (event.message == WM_JOB_DONE) stopFlagAtDone_.store(job.StopFlag.load());
    });
}

PtyJobHarness::~PtyJobHarness() {
    if (!worker_) return;
    Stop();
    Finish(5s);
}

void PtyJobHarness::UseProfileText(const std::string& profileText) {
    WriteFile(dir_ / "QXProduct.ini", profileText);
    UseProfileFile(dir_ / "QXProduct.ini");
}

void PtyJobHarness::UseProfileFile(const std::filesystem::path& path) {
    LoadDeviceProfile(job.Profile, path);
}

void PtyJobHarness::Start(int stopAfterRefreshes) {
    refreshes_.store(0);
    stopAfter_ = stopAfterRefreshes;
    stopFlagAtDone_.store(-1);
    worker_.reset(QThread::create([this] {
        result_ = CardWorker(&job, timeouts, hidDevices ? *hidDevices : SystemHidDevices());
    }));
    worker_->start();
}

int PtyJobHarness::Finish(std::chrono::milliseconds limit) {
    if (!worker_->wait(QDeadlineTimer(limit.count()))) {
        ADD_FAILURE() << "the job did not end in time; stopping it";
        Stop();
        worker_->wait();
    }
    worker_.reset();
    return result_;
}

int PtyJobHarness::Run(int stopAfterRefreshes, std::chrono::milliseconds limit) {
    Start(stopAfterRefreshes);
    return Finish(limit);
}

PtyJobHarness::Clock::time_point PtyJobHarness::DoneAt() const {
    const auto events = console.Events();
    EXPECT_EQ(console.Count(WM_JOB_DONE), 1);
    if (events.empty() || events.back().message != WM_JOB_DONE) {
        ADD_FAILURE() << "WM_JOB_DONE is not the last message";
        return Clock::now();
    }
    return events.back().when;
}

std::chrono::milliseconds PtyJobHarness::PauseBeforeDone() const {
    const auto events = console.Events();
    if (events.size() < 2) {
        ADD_FAILURE() << "nothing happened before the ending";
        return {};
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(events.back().when -
                                                                 events[events.size() - 2].when);
}
