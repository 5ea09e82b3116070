#pragma once

#include <mutex>
#include <ostream>
#include <string_view>

// Where cardctl's output goes: records alone to standard output, everything else to
// standard error. Called from the worker thread and the main thread alike.
//
// Standard error is for people and always shows control bytes escaped; standard output
// is data and keeps its exact bytes, unless it is a terminal, where a card's bytes would
// otherwise act on the terminal.
class CliOutput {
  public:
    // `errIsTerminal`: the progress line is redrawn in place instead of one line each.
    CliOutput(std::ostream& out, std::ostream& err, bool errIsTerminal, bool quiet,
              bool outIsTerminal = false);

    bool ErrIsTerminal() const { return errIsTerminal_; }
    bool OutIsTerminal() const { return outIsTerminal_; }

    // Data for standard output (records, listings), flushed at once so a reader of the pipe sees each card as it comes.
    void Records(std::string_view text);
    // Whether standard output stopped taking records (its reader went away).
    bool RecordsLost();
    // A line on standard error, shown also with --quiet.
    void Error(std::string_view line);
    // A line on standard error, left out with --quiet.
    void Message(std::string_view line);
    // A line for someone at a terminal, shown only there and left out with --quiet.
    void Hint(std::string_view line);
    // The job's progress, left out with --quiet.
    void Progress(std::string_view line);
    // Ends a progress line drawn in place, so what follows starts on a line of its own.
    void EndProgress();

  private:
    void EndProgressLocked();

    std::mutex mutex_;
    std::ostream& out_;
    std::ostream& err_;
    bool errIsTerminal_;
    bool quiet_;
    bool outIsTerminal_;
    bool progressOpen_ = false;
};
