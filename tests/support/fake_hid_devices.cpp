#include "fake_hid_devices.h"

#include <algorithm>
#include <chrono>

namespace {

// The link owns what it opens; the test keeps the encoder.
class Borrowed final : public HidReportDevice {
  public:
    explicit Borrowed(std::shared_ptr<FakeEncoder> encoder) : encoder_(std::move(encoder)) {}
    int Write(const unsigned char* data, std::size_t n) override { return encoder_->Write(data, n); }
    int Read(unsigned char* data, std::size_t n, int ms) override { return encoder_->Read(data, n, ms); }
    std::string Error() const override { return encoder_->Error(); }

  private:
    std::shared_ptr<FakeEncoder> encoder_;
};

}  // namespace

void FakeEncoder::AnswerWith(Answer answer) {
    std::lock_guard lock(mutex_);
    answer_ = std::move(answer);
}

void FakeEncoder::PushReport(std::string report) {
    std::lock_guard lock(mutex_);
    toHost_.push_back(std::move(report));
    arrived_.notify_all();
}

void FakeEncoder::Unplug() {
    std::lock_guard lock(mutex_);
    unplugged_ = true;
    arrived_.notify_all();
}

std::vector<std::string> FakeEncoder::Writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

int FakeEncoder::Write(const unsigned char* data, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (unplugged_) return -1;
    writes_.emplace_back(reinterpret_cast<const char*>(data), length);
    if (length < 2) return static_cast<int>(length);
    message_.append(reinterpret_cast<const char*>(data) + 2, std::min<std::size_t>(data[1] & 0x3F, length - 2));
    if ((data[1] & 0x40) == 0) return static_cast<int>(length);
    const std::string reply = answer_ ? answer_(message_) : std::string();
    message_.clear();
    for (std::size_t at = 0; at < reply.size(); at += 63) {
        const std::size_t count = std::min<std::size_t>(63, reply.size() - at);
        std::string report(64, '\0');
        report[0] = static_cast<char>((at == 0 ? 0x80 : 0) | (at + count == reply.size() ? 0x40 : 0) | count);
        report.replace(1, count, reply, at, count);
        toHost_.push_back(report);
    }
    arrived_.notify_all();
    return static_cast<int>(length);
}

int FakeEncoder::Read(unsigned char* data, std::size_t length, int milliseconds) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                      [&] { return unplugged_ || !toHost_.empty(); });
    if (unplugged_) return -1;
    if (toHost_.empty()) return 0;
    const std::size_t size = std::min(length, toHost_.front().size());
    std::copy_n(toHost_.front().begin(), size, data);
    toHost_.pop_front();
    return static_cast<int>(size);
}

std::shared_ptr<FakeEncoder> FakeHidDevices::Plug(const std::string& path, std::string refusal) {
    if (!refusal.empty()) refusals_.emplace_back(path, std::move(refusal));
    return encoders_.emplace_back(path, std::make_shared<FakeEncoder>()).second;
}

std::vector<HidDeviceInfo> FakeHidDevices::Find(uint16_t, uint16_t) {
    std::vector<HidDeviceInfo> found;
    for (const auto& entry : encoders_) found.push_back({entry.first, "encoder", "maker", ""});
    return found;
}

std::unique_ptr<HidReportDevice> FakeHidDevices::Open(const std::string& path, std::string& error) {
    for (const auto& [refused, reason] : refusals_) {
        if (refused == path) error = reason;
    }
    for (const auto& [plugged, encoder] : encoders_) {
        if (plugged == path && error.empty()) return std::make_unique<Borrowed>(encoder);
    }
    if (error.empty()) error = "No such file or directory";
    return nullptr;
}
