#pragma once

#include <string_view>

#include "card_job.h"

// Appends GBK text to the job log, then has the console show it (WM_LOG_REFRESH),
// waiting until it has.
void AppendLog(CardJob& job, std::string_view gbkText);

// Sends WM_LOG_REFRESH alone.
void RefreshLog(CardJob& job);
