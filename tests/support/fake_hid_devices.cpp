#include "fake_hid_devices.h"

#include <algorithm>
#include <chrono>

namespace {

class FakeDevice final : public HidReportDevice {
  public:
    explicit FakeDevice(std::shared_ptr<FakeEncoder> encoder) : encoder_(std::move(encoder)) {}
    int Write(const unsigned char* data, std::size_t length) override {
        return encoder_->Write(data, length);
    }
    int Read(unsigned char* data, std::size_t length, int milliseconds) override {
        return encoder_->Read(data, length, milliseconds);
    }
    std::string Error() const override { return "device disconnected"; }

  private:
    std::shared_ptr<FakeEncoder> encoder_;
};

}  // namespace

void FakeEncoder::SetResponder(Responder responder) {
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

void FakeEncoder::PushReport(std::string report) {
    std::lock_guard lock(mutex_);
    toHost_.push_back(std::move(report));
    arrived_.notify_all();
}

void FakeEncoder::Send(const std::string& message) {
    std::lock_guard lock(mutex_);
    SendLocked(message);
}

void FakeEncoder::SendLocked(const std::string& message) {
    for (std::size_t at = 0; at < message.size(); at += 63) {
        const std::size_t count = std::min<std::size_t>(63, message.size() - at);
        const bool first = at == 0;
        const bool last = at + count == message.size();
        std::string report(64, '\0');
        report[0] = static_cast<char>((first ? 0x80 : 0) | (last ? 0x40 : 0) | count);
        report.replace(1, count, message, at, count);
        toHost_.push_back(report);
    }
    arrived_.notify_all();
}

void FakeEncoder::Unplug() {
    std::lock_guard lock(mutex_);
    unplugged_ = true;
    arrived_.notify_all();
}

std::vector<std::string> FakeEncoder::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<std::string> FakeEncoder::Writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

int FakeEncoder::Write(const unsigned char* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (unplugged_) return -1;
    writes_.emplace_back(reinterpret_cast<const char*>(data), length);
    if (length != 65 || data[0] != 0) return static_cast<int>(length);
    const unsigned char header = data[1];
    if ((header & 0x80) != 0) joining_.clear();
    joining_.append(reinterpret_cast<const char*>(data) + 2, header & 0x3F);
    if ((header & 0x40) != 0) {
        messages_.push_back(joining_);
        if (responder_) SendLocked(responder_(joining_));
    }
    return static_cast<int>(length);
}

int FakeEncoder::Read(unsigned char* data, std::size_t length, int milliseconds) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                      [&] { return unplugged_ || !toHost_.empty(); });
    if (unplugged_) return -1;
    if (toHost_.empty()) return 0;
    const std::string report = std::move(toHost_.front());
    toHost_.pop_front();
    const std::size_t size = std::min(length, report.size());
    std::copy_n(report.begin(), size, data);
    return static_cast<int>(size);
}

std::shared_ptr<FakeEncoder> FakeHidDevices::Plug(const std::string& path) {
    auto encoder = std::make_shared<FakeEncoder>();
    entries_.push_back({path, encoder, {}});
    return encoder;
}

void FakeHidDevices::RefuseOpen(const std::string& path, std::string reason) {
    entries_.push_back({path, nullptr, std::move(reason)});
}

std::vector<HidDeviceInfo> FakeHidDevices::Find(uint16_t, uint16_t) {
    std::vector<HidDeviceInfo> found;
    for (const Entry& entry : entries_) found.push_back({entry.path, "encoder", "maker", ""});
    return found;
}

std::unique_ptr<HidReportDevice> FakeHidDevices::Open(const std::string& path, std::string& error) {
    for (const Entry& entry : entries_) {
        if (entry.path != path) continue;
        if (entry.encoder) return std::make_unique<FakeDevice>(entry.encoder);
        error = entry.refusal;
        return nullptr;
    }
    error = "No such file or directory";
    return nullptr;
}
