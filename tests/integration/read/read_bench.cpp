#include "read_bench.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "card_worker.h"
#include "gbk.h"

namespace readtest {

ReadBench::ReadBench(TrackSelection tracks, const std::string& port, const ProfileChanges& changes)
    : ReadBench(tracks, port, ProfileText(changes)) {}

ReadBench::ReadBench(TrackSelection tracks, const std::string& port,
                     const std::string& profileText) {
    WriteFile(dir_ / "QXProduct.ini", profileText);
    LoadDeviceProfile(job.Profile, dir_ / "QXProduct.ini");
    job.Mode = 1;
    job.Tracks = tracks;
    job.PortName = port;
    job.CommSettings = SerialLink::kDefaultSettings;
    job.Console = &console;
    console.OnMessage([this](const RecordingConsole::Event& event) {
        if (event.message == WM_LOG_REFRESH && ++refreshes_ == stopAfter_) Stop();
        if (event.message == WM_JOB_DONE) stopFlagAtDone_.store(job.StopFlag.load());
    });
}

ReadBench::~ReadBench() {
    if (!worker_) return;
    Stop();
    Finish(5s);
}

void ReadBench::Start(int stopAfterRefreshes) {
    refreshes_.store(0);
    stopAfter_ = stopAfterRefreshes;
    stopFlagAtDone_.store(-1);
    worker_.reset(QThread::create([this] { result_ = CardWorker(&job, timeouts); }));
    worker_->start();
}

int ReadBench::Finish(milliseconds limit) {
    if (!worker_->wait(QDeadlineTimer(limit.count()))) {
        ADD_FAILURE() << "the job did not end in time; stopping it";
        Stop();
        worker_->wait();
    }
    worker_.reset();
    return result_;
}

int ReadBench::Run(int stopAfterRefreshes, milliseconds limit) {
    Start(stopAfterRefreshes);
    return Finish(limit);
}

Clock::time_point ReadBench::DoneAt() const {
    const auto events = console.Events();
    EXPECT_EQ(console.Count(WM_JOB_DONE), 1);
    if (events.empty() || events.back().message != WM_JOB_DONE) {
        ADD_FAILURE() << "WM_JOB_DONE is not the last message";
        return Clock::now();
    }
    return events.back().when;
}

std::string NextCommand(PtyPeer& device, std::size_t length, milliseconds limit) {
    // Until the console has opened its end, the device end reads as hung up and comes back
    // at once: keep asking.
    std::string received;
    const auto deadline = Clock::now() + limit;
    while (received.size() < length && Clock::now() < deadline) {
        received += device.Receive(50ms, length - received.size());
        if (received.size() < length) std::this_thread::sleep_for(2ms);
    }
    return received;
}

}  // namespace readtest
