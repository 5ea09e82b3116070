#include "cli_output.h"

CliOutput::CliOutput(std::ostream& out, std::ostream& err, bool errIsTerminal, bool quiet)
    : out_(out), err_(err), errIsTerminal_(errIsTerminal), quiet_(quiet) {}

void CliOutput::Records(std::string_view text) {
    std::lock_guard lock(mutex_);
    out_ << text;
    out_.flush();
}

bool CliOutput::RecordsLost() {
    std::lock_guard lock(mutex_);
    return !out_;
}

void CliOutput::Error(std::string_view line) {
    std::lock_guard lock(mutex_);
    EndProgressLocked();
    err_ << line << '\n';
    err_.flush();
}

void CliOutput::Message(std::string_view line) {
    if (quiet_) return;
    Error(line);
}

void CliOutput::Hint(std::string_view line) {
    if (errIsTerminal_) Message(line);
}

void CliOutput::Progress(std::string_view line) {
    if (quiet_) return;
    std::lock_guard lock(mutex_);
    if (errIsTerminal_) {
        // Clear to the end of the line: the new text may be shorter than the last.
        err_ << '\r' << line << "\x1b[K";
        progressOpen_ = true;
    } else {
        err_ << line << '\n';
    }
    err_.flush();
}

void CliOutput::EndProgress() {
    std::lock_guard lock(mutex_);
    EndProgressLocked();
}

void CliOutput::EndProgressLocked() {
    if (!progressOpen_) return;
    err_ << '\n';
    progressOpen_ = false;
}
