#pragma once

#include "card_worker.h"

// A run of cards, each track's text followed by a growing number.
JobEnding RunContinuousWrite(CardJob& job, SerialLink& link);
