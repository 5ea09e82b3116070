#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "pty_peer.h"

// A device for soak runs, played on a pty peer in a thread of its own. Whenever the job
// has sent the trigger (a read command, a status request) it answers with its reply after
// a random delay, cut in two pieces with a random pause between; an empty reply keeps it
// silent. It keeps everything it got, and hangs up when told.
class SoakDevice {
  public:
    using Clock = std::chrono::steady_clock;

    SoakDevice(PtyPeer& peer, std::string trigger, std::string reply, unsigned seed);
    ~SoakDevice();
    SoakDevice(const SoakDevice&) = delete;
    SoakDevice& operator=(const SoakDevice&) = delete;

    // Waits until the job has sent its first bytes; false when none came within `limit`.
    bool AwaitFirstBytes(std::chrono::milliseconds limit) const;
    // Closes the device end from the device's own thread; returns when it is closed.
    Clock::time_point HangUp();
    // Ends the device thread and returns everything the job sent, the bytes still on the
    // line included.
    std::string Finish();

  private:
    struct Piece {
        Clock::time_point due;
        std::string bytes;
    };
    void Serve();
    void ScheduleReplies();
    void SendDuePieces();

    PtyPeer& peer_;
    const std::string trigger_;
    const std::string reply_;
    std::mt19937 dice_;
    std::deque<Piece> pieces_;
    std::size_t scanned_ = 0;
    std::string received_;
    std::atomic<bool> gotBytes_{false};
    std::atomic<bool> hangUpWanted_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> quit_{false};
    std::atomic<Clock::rep> hungUpAt_{0};
    std::thread thread_;
};
