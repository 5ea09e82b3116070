#pragma once

#include "card_worker.h"
#include "device_family.h"

// The read job: asks the device for the chosen tracks and logs every swiped card until
// StopFlag is seen.
JobEnding RunReadLoop(CardJob& job, DeviceFamily& device);
