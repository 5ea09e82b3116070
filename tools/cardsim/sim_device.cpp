#include "sim_device.h"

#include <utility>

#include "esc_frames.h"
#include "esc_side.h"
#include "read_side.h"
#include "write_side.h"

SimDevice::SimDevice(const DeviceProfile& profile, SimOptions options)
    : readBack_(std::move(options.readBack)) {
    std::vector<CommandSlot> resets;
    if (options.family == DeviceFamily::EscBlock) {
        sides_.push_back(std::make_unique<EscSide>(std::move(options.reading),
                                                   std::move(options.writing),
                                                   std::move(options.escReplies), readBack_));
        resets = {EscResetSlot()};
    } else {
        sides_.push_back(
            std::make_unique<ReadSide>(profile, std::move(options.reading), readBack_));
        sides_.push_back(
            std::make_unique<WriteSide>(profile, std::move(options.writing), readBack_));
        resets = {profile.SoftReset, profile.HardReset};
    }
    std::vector<DeviceSide*> sides;
    for (const auto& side : sides_) sides.push_back(side.get());
    dispatcher_ = std::make_unique<Dispatcher>(std::move(sides), std::move(resets));
}
