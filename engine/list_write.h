#pragma once

#include "card_worker.h"
#include "device_family.h"

// The cards of the job's card list, written in order with the job's selection and
// settings; a card the device does not confirm is written again.
JobEnding RunListWrite(CardJob& job, DeviceFamily& device);
