#pragma once

#include <memory>
#include <vector>

#include "device_profile.h"
#include "device_side.h"
#include "dispatcher.h"
#include "read_back.h"
#include "sim_options.h"

// The simulated device of the options' family: the sides that hold its conversations and
// the dispatcher that hands them what arrives.
class SimDevice {
  public:
    // `profile` is used by the commands family and must outlive the device.
    SimDevice(const DeviceProfile& profile, SimOptions options);
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    Dispatcher& Input() { return *dispatcher_; }

  private:
    ReadBackQueue readBack_;
    std::vector<std::unique_ptr<DeviceSide>> sides_;
    std::unique_ptr<Dispatcher> dispatcher_;
};
