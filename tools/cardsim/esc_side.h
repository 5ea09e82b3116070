#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "device_side.h"
#include "esc_frames.h"
#include "esc_replies.h"
#include "esc_settings.h"
#include "read_back.h"
#include "read_settings.h"
#include "scheduler.h"
#include "swipe_queue.h"
#include "write_parser.h"
#include "write_scenario.h"

// Plays an ESC-block device. A read, a write or an erase arms it: it answers once the
// card is swiped (after --swipe-ms for a read, --write-reply-ms for a write or an erase),
// and until then it takes no other command but the reset, which disarms it.
class EscSide : public DeviceSide {
  public:
    // Written cards go to `readBack`, which swipes them back when it is enabled.
    EscSide(ReadSettings reading, WriteScenario writing, EscReplies replies,
            ReadBackQueue& readBack);
    // How the reading and writing options apply to this family, for --help.
    static const char* Usage();
    Offer Take(std::string_view pending, Scheduler& output) override;
    void Reset() override;

  private:
    enum class Armed { No, Read, Write, Erase };

    void Answer(const EscCommand& command, Scheduler& output);
    void Test(Scheduler& output);
    void Read(Scheduler& output);
    void Write(const EscCommand& command, Scheduler& output);
    void Erase(unsigned char mask, Scheduler& output);
    void Arm(Armed what, int delayMs);
    // Ends the armed state once its swipe has come; a write is then on the card.
    void Settle();

    const ReadSettings reading_;
    const WriteScenario writing_;
    const EscReplies replies_;
    ReadBackQueue& readBack_;
    SwipeQueue swipes_;
    EscSettings settings_;
    Armed armed_ = Armed::No;
    Scheduler::Clock::time_point swipeAt_{};
    std::optional<CardTracks> written_;  // what the armed write puts on the card, if it does
    std::size_t nextReply_ = 0;
    std::size_t nextTest_ = 0;
    std::size_t nextErase_ = 0;
};
