#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "card_job.h"
#include "cli_options.h"
#include "cli_output.h"
#include "job_preflight.h"
#include "job_tally.h"
#include "record_stream.h"
#include "serial_link.h"
#include "terminal_console.h"

class StopSignals;

// What one job of a command is for.
struct JobGoal {
    // Cards a write job is to have confirmed (1 for a single write); 0 for a read.
    int cards = 0;
    // For a read: whether the job's cards so far, the last one given, end it, with a Stop
    // as the window's Stop button gives.
    std::function<bool(const JobTally& tally, const CardRecord& last)> enough;
};

struct JobOutcome {
    bool interrupted = false;  // a signal pressed Stop, or the records' reader went away
    bool refused = false;      // the job refused its input with a message
    bool reachedGoal = false;  // all its cards written, or its reads enough
    bool gaveUp = false;       // a card ran out of tries
    bool cardsLeft = false;    // a write job ended with fewer cards confirmed than its goal
    bool journalFailed = false;  // the --journal file failed, in this job or before
    JobTally tally;
};

// A command's jobs on one job record, as in one window's life: the log and the records
// grow from job to job. At every log refresh the log file is brought up to date, the new
// records go to standard output, a write job's progress line is redrawn, and log entries
// that are no card's (a port that failed, a list's summary) become messages.
class JobSession {
  public:
    JobSession(const CliOptions& options, PreparedJob& prepared, CliOutput& output,
               StopSignals& stopSignals, SerialTimeouts timeouts);

    // The record to fill before Run; settings, profile and console are already in it.
    CardJob& Job() { return job_; }
    JobOutcome Run(const JobGoal& goal);

    // Writes the --records file, if one was asked for: every record of every job.
    // Shows why when it cannot.
    bool WriteRecordsFile() const;
    // Whether --journal was asked for and failed (it was said then, once): the job then
    // stopped after the card in hand.
    bool JournalFailed() const { return journalFailed_; }

  private:
    void OnLogRefresh();
    void ShowNotices(std::string_view gbkText);
    // The progress line; at a terminal it names the card the device waits for, or counts
    // the cards a read sends elsewhere.
    void ShowProgress();

    const CliOptions& options_;
    PreparedJob& prepared_;
    CliOutput& output_;
    StopSignals& stopSignals_;
    SerialTimeouts timeouts_;
    CardJob job_;
    std::unique_ptr<TerminalConsole> console_;
    RecordStream stream_;
    bool journalFailed_ = false;

    // The running job's goal and tally, and where the records not yet seen begin.
    JobGoal goal_;
    std::size_t recordsSeen_ = 0;
    bool goalReached_ = false;
    JobTally tally_;
};
