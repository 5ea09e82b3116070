#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hid_devices.h"

// A USB encoder inside the test. It joins the reports the host writes by their headers and
// answers each whole message with what the responder gives, cut into 64-byte reports as
// the device cuts them; written on its own, not with the console's report codec.
class FakeEncoder {
  public:
    using Responder = std::function<std::string(const std::string& message)>;

    void SetResponder(Responder responder);
    // Puts one report, as given, in the host's way.
    void PushReport(std::string report);
    // Puts a message in the host's way, in reports.
    void Send(const std::string& message);
    void Unplug();
    // Every message the host wrote, whole, and every hid_write as it came.
    std::vector<std::string> Messages() const;
    std::vector<std::string> Writes() const;

    int Write(const unsigned char* data, std::size_t length);
    int Read(unsigned char* data, std::size_t length, int milliseconds);

  private:
    void SendLocked(const std::string& message);

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::string> toHost_;
    std::vector<std::string> writes_;
    std::vector<std::string> messages_;
    std::string joining_;
    Responder responder_;
    bool unplugged_ = false;
};

// The system's HID devices as the test lays them out: each path leads to an encoder, or to
// an open failure with the given words.
class FakeHidDevices final : public HidDevices {
  public:
    std::shared_ptr<FakeEncoder> Plug(const std::string& path);
    void RefuseOpen(const std::string& path, std::string reason);

    std::vector<HidDeviceInfo> Find(uint16_t vendor, uint16_t product) override;
    std::unique_ptr<HidReportDevice> Open(const std::string& path, std::string& error) override;

  private:
    struct Entry {
        std::string path;
        std::shared_ptr<FakeEncoder> encoder;
        std::string refusal;
    };
    std::vector<Entry> entries_;
};
