#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hid_devices.h"

// A USB encoder inside the test, written from the facts on its own, not with the console's
// report codec: each message the host ends (a report with bit 6) is answered with what
// `answer` makes of it, cut into 64-byte reports as the device cuts them.
class FakeEncoder final : public HidReportDevice {
  public:
    using Answer = std::function<std::string(const std::string& message)>;
    void AnswerWith(Answer answer);
    void ReplyWith(std::string reply) {
        AnswerWith([reply](const std::string&) { return reply; });
    }
    void PushReport(std::string report);  // put in the host's way as given
    void Unplug();
    std::vector<std::string> Writes() const;  // every hid_write as it came

    int Write(const unsigned char* data, std::size_t length) override;
    int Read(unsigned char* data, std::size_t length, int milliseconds) override;
    std::string Error() const override { return "device disconnected"; }

  private:
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::string> toHost_;
    std::vector<std::string> writes_;
    std::string message_;  // the payloads of the host's message so far
    Answer answer_;
    bool unplugged_ = false;
};

// The system's HID devices as the test lays them out: each path an encoder, or an open
// that fails with the given words.
class FakeHidDevices final : public HidDevices {
  public:
    std::shared_ptr<FakeEncoder> Plug(const std::string& path, std::string refusal = {});

    std::vector<HidDeviceInfo> Find(uint16_t vendor, uint16_t product) override;
    std::unique_ptr<HidReportDevice> Open(const std::string& path, std::string& error) override;

  private:
    std::vector<std::pair<std::string, std::string>> refusals_;
    std::vector<std::pair<std::string, std::shared_ptr<FakeEncoder>>> encoders_;
};
