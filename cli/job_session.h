#pragma once

#include <memory>

#include "card_job.h"
#include "cli_options.h"
#include "cli_output.h"
#include "job_preflight.h"
#include "record_stream.h"
#include "serial_link.h"
#include "terminal_console.h"

class StopSignals;

struct JobOutcome {
    bool interrupted = false;  // a signal pressed Stop
    bool refused = false;      // the job refused its input with a message
};

// A command's jobs on one job record, as in one window's life: the log and the records
// grow from job to job, and each refresh brings the log file up to date.
class JobSession {
  public:
    JobSession(const CliOptions& options, PreparedJob& prepared, CliOutput& output,
               StopSignals& stopSignals, SerialTimeouts timeouts);

    // The record to fill before Run; settings, profile and console are already in it.
    CardJob& Job() { return job_; }
    JobOutcome Run();

  private:
    void OnLogRefresh();

    const CliOptions& options_;
    PreparedJob& prepared_;
    CliOutput& output_;
    StopSignals& stopSignals_;
    SerialTimeouts timeouts_;
    CardJob job_;
    std::unique_ptr<TerminalConsole> console_;
    RecordStream stream_;
};
