#pragma once

#include "card_worker.h"

// One card written once with the texts as typed.
JobEnding RunSingleWrite(CardJob& job, DeviceLink& link);
