#include "soak_device.h"

using namespace std::chrono_literals;

SoakDevice::SoakDevice(PtyPeer& peer, std::string trigger, std::string reply, unsigned seed)
    : peer_(peer), trigger_(std::move(trigger)), reply_(std::move(reply)), dice_(seed) {
    thread_ = std::thread([this] { Serve(); });
}

SoakDevice::~SoakDevice() {
    quit_.store(true);
    if (thread_.joinable()) thread_.join();
}

bool SoakDevice::AwaitFirstBytes(std::chrono::milliseconds limit) const {
    const auto deadline = Clock::now() + limit;
    while (!gotBytes_.load() && Clock::now() < deadline) std::this_thread::sleep_for(1ms);
    return gotBytes_.load();
}

SoakDevice::Clock::time_point SoakDevice::HangUp() {
    hangUpWanted_.store(true);
    while (!hungUp_.load()) std::this_thread::sleep_for(100us);
    return Clock::time_point(Clock::duration(hungUpAt_.load()));
}

std::string SoakDevice::Finish() {
    quit_.store(true);
    if (thread_.joinable()) thread_.join();
    if (!hungUp_.load()) received_ += peer_.Receive(30ms);
    return received_;
}

void SoakDevice::Serve() {
    while (!quit_.load()) {
        if (hangUpWanted_.load() && !hungUp_.load()) {
            peer_.HangUp();
            hungUpAt_.store(Clock::now().time_since_epoch().count());
            hungUp_.store(true);
        }
        if (hungUp_.load()) {
            std::this_thread::sleep_for(1ms);
            continue;
        }
        // A wait shorter than 2 ms would end before it polls.
        const std::string piece = peer_.Receive(3ms);
        // A line that reports a hang-up (the job between open and close) polls at once.
        if (piece.empty()) std::this_thread::sleep_for(1ms);
        received_ += piece;
        if (!received_.empty()) gotBytes_.store(true);
        ScheduleReplies();
        SendDuePieces();
    }
}

void SoakDevice::ScheduleReplies() {
    for (std::size_t at = received_.find(trigger_, scanned_); at != std::string::npos;
         at = received_.find(trigger_, scanned_)) {
        scanned_ = at + trigger_.size();
        if (reply_.empty()) continue;
        auto delay = [this] { return std::chrono::milliseconds(dice_() % 150); };
        Clock::time_point due = Clock::now() + delay();
        if (!pieces_.empty()) due = std::max(due, pieces_.back().due);
        const std::size_t cut = dice_() % (reply_.size() + 1);
        pieces_.push_back({due, reply_.substr(0, cut)});
        pieces_.push_back({due + delay(), reply_.substr(cut)});
    }
}

void SoakDevice::SendDuePieces() {
    while (!pieces_.empty() && pieces_.front().due <= Clock::now()) {
        if (!pieces_.front().bytes.empty()) peer_.Send(pieces_.front().bytes);
        pieces_.pop_front();
    }
}
