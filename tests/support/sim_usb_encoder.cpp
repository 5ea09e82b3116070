#include "sim_usb_encoder.h"

#include <memory>

#include "device_profile.h"
#include "scheduler.h"
#include "sim_device.h"

namespace {

struct Simulator {
    explicit Simulator(SimOptions options) : device(profile, std::move(options)) {}
    const DeviceProfile profile;  // taken by the simulator, used by its commands family only
    SimDevice device;
    Scheduler output;
};

}  // namespace

FakeEncoder::Answer SimulatorAnswers(const std::vector<std::string>& arguments,
                                     const std::filesystem::path& folder, std::string& error) {
    SimOptions options;
    if (const auto problem = ParseSimOptions(arguments, DataFolders{folder, {}, {}}, options)) {
        error = *problem;
        return {};
    }
    auto simulator = std::make_shared<Simulator>(std::move(options));
    return [simulator](const std::string& message) {
        simulator->device.Input().Receive(message, simulator->output);
        return simulator->output.TakeDue();
    };
}
