#pragma once

#include "card_worker.h"
#include "device_family.h"

// One card written once with the texts as typed.
JobEnding RunSingleWrite(CardJob& job, DeviceFamily& device);
