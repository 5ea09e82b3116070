#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command_slot.h"
#include "device_side.h"

class Scheduler;

// Hands arriving bytes to the device sides. A reset command cancels whatever the device
// was about to send; bytes no side can use are dropped one at a time, as line noise.
class Dispatcher {
  public:
    Dispatcher(std::vector<DeviceSide*> sides, std::vector<CommandSlot> resets);
    void Receive(std::string_view bytes, Scheduler& output);

  private:
    bool TakeReset(Scheduler& output);
    std::vector<DeviceSide*> sides_;
    std::vector<CommandSlot> resets_;
    std::string pending_;
};
