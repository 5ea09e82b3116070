#include "sim_usb_encoder.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

#include "device_profile.h"
#include "hid_reports.h"
#include "scheduler.h"
#include "sim_device.h"

namespace {

class SimEncoder final : public HidReportDevice {
  public:
    explicit SimEncoder(SimOptions options) : device_(profile_, std::move(options)) {}

    int Write(const unsigned char* data, std::size_t length) override {
        if (length != kHidReportSize + 1 || data[0] != 0) return -1;
        switch (fromHost_.Take(data + 1, kHidReportSize)) {
            case ReplyJoiner::Outcome::Broken:
                return -1;
            case ReplyJoiner::Outcome::Complete:
                device_.Input().Receive(fromHost_.TakeMessage(), output_);
                break;
            case ReplyJoiner::Outcome::Partial:
                break;
        }
        return static_cast<int>(length);
    }

    int Read(unsigned char* data, std::size_t length, int milliseconds) override {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
        while (toHost_.empty()) {
            const std::string due = output_.TakeDue();
            for (const HostReport& report : HostReports(due))
                toHost_.emplace_back(report.begin() + 1, report.end());
            if (!toHost_.empty()) break;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return 0;
            // Idle, it says nothing until the host writes again.
            const int next = output_.MillisecondsToNext();
            std::this_thread::sleep_for(next < 0 ? left : std::min(left, std::chrono::milliseconds(next)));
        }
        const std::size_t size = std::min(length, toHost_.front().size());
        std::copy_n(toHost_.front().begin(), size, data);
        toHost_.pop_front();
        return static_cast<int>(size);
    }

    std::string Error() const override { return "refused"; }

  private:
    const DeviceProfile profile_;  // the ESC-block device needs none; the simulator takes one
    SimDevice device_;
    Scheduler output_;
    ReplyJoiner fromHost_;
    std::deque<std::string> toHost_;
};

}  // namespace

std::shared_ptr<HidReportDevice> SimulatedUsbEncoder(const std::vector<std::string>& arguments,
                                                     const std::filesystem::path& folder,
                                                     std::string& error) {
    SimOptions options;
    if (const auto problem = ParseSimOptions(arguments, DataFolders{folder, {}, {}}, options)) {
        error = *problem;
        return nullptr;
    }
    return std::make_shared<SimEncoder>(std::move(options));
}
