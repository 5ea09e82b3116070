#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "device_profile.h"

// Takes one card's reply off the line after a read command went out: waits for the head,
// collects the data one byte at a time up to the tail's first byte, then checks the rest
// of the tail. Every wait is paced by the reads themselves, which return empty when their
// time-out passes; the reader never sleeps.
//
// The count of fruitless reads lives as long as the reader: it carries over from one
// command to the next, as the device protocol expects.
class ReplyReader {
  public:
    // Reads up to `count` bytes, returning how many came within the line's time-outs.
    using ReadFn = std::function<int32_t(unsigned char* buffer, int32_t count)>;
    // Asked after every read: true when the job must end (Stop pressed, port gone).
    using EndFn = std::function<bool()>;

    enum class Outcome {
        Reply,   // a whole reply arrived; Data() holds it
        Resend,  // nothing usable came in time, or the reply was spoiled: ask again
        End,     // the job is to end
    };

    // The profile must outlive the reader and have a ReadTail.
    ReplyReader(const DeviceProfile& profile, ReadFn read, EndFn shouldEnd);

    Outcome AwaitReply();

    // The last reply's data: the bytes after the head, without the tail's first byte.
    std::string_view Data() const;

    // Empty reads (or unmatched heads) allowed before the command is sent again; the one
    // after them is discarded.
    static constexpr int kIdleLimit = 40;
    // Data plus the tail's first byte: a reply longer than this is dropped.
    static constexpr std::size_t kMaxReply = 229;

  private:
    enum class Stage { Passed, Resend, End };
    Stage WaitForHead();
    Stage CollectData();
    Stage CheckTail();
    int32_t Read(unsigned char* buffer, std::size_t count);

    const DeviceProfile& profile_;
    ReadFn read_;
    EndFn shouldEnd_;
    int idle_ = 0;
    // One more than the bound, so the byte that breaks it has a place too.
    std::array<unsigned char, kMaxReply + 1> collected_{};
    std::size_t stored_ = 0;
};
