#pragma once

#include "card_job.h"
#include "serial_link.h"

class StopSignals;
class CliOutput;

// Runs the job on a worker thread, as the window does, and waits for it. SIGINT and
// SIGTERM meanwhile press Stop. True when a signal stopped it, or came before it started
// (the job is not started then).
bool RunJobOnWorker(CardJob& job, const SerialTimeouts& timeouts, StopSignals& stopSignals,
                    CliOutput& output);
