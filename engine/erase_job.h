#pragma once

#include "card_worker.h"
#include "device_family.h"

// Erases the selected tracks of one card, swiped like a card to write.
JobEnding RunErase(CardJob& job, DeviceFamily& device);
