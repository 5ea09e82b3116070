#include "device_commands.h"

void SendSlot(DeviceLink& link, const CommandSlot& slot) {
    SendBytes(link, slot.View());
}

void SendBytes(DeviceLink& link, std::string_view bytes) {
    if (bytes.empty()) return;
    link.Write(reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<int32_t>(bytes.size()));
}
