#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The encoder's USB HID reports: 64 bytes each way, byte 0 a header (bit 7 on a message's
// first report, bit 6 on its last, bits 0-5 how many payload bytes follow), then the
// payload, then zero padding. No I/O here.

inline constexpr std::size_t kHidReportSize = 64;
inline constexpr std::size_t kHidPayloadLimit = kHidReportSize - 1;

// One report as hid_write takes it: the report id 0 the device's single report needs,
// then the 64 bytes.
using HostReport = std::array<unsigned char, kHidReportSize + 1>;

// The reports that carry `message` to the device, in order; none for an empty message.
std::vector<HostReport> HostReports(std::string_view message);

// How many payload bytes a report of HostReports carries.
std::size_t PayloadCount(const HostReport& report);

// Joins the payloads of the device's reports into its messages.
class ReplyJoiner {
  public:
    enum class Outcome {
        Partial,   // a message has begun and goes on in the next report
        Complete,  // TakeMessage has the whole message
        Broken,    // the report cannot come from the device; Problem says why
    };

    // One report as read, without a report id. A first report while a message is still
    // open drops the open one: the device was reset in the middle of it.
    Outcome Take(const unsigned char* report, std::size_t length);

    // The message the last Complete ended; the joiner is then empty.
    std::string TakeMessage();

    // What was wrong with the report a Broken outcome refused, in words.
    const std::string& Problem() const { return problem_; }

    // Forgets the message begun, if any.
    void Clear();

  private:
    Outcome Refuse(std::string problem);

    std::string message_;
    bool open_ = false;
    bool complete_ = false;
    std::string problem_;
};
