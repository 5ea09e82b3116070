#include "job_session.h"

#include <utility>

#include "cardctl_text.h"
#include "gbk.h"
#include "job_fill.h"
#include "job_runner.h"
#include "record_export.h"
#include "whole_file.h"

JobSession::JobSession(const CliOptions& options, PreparedJob& prepared, CliOutput& output,
                       StopSignals& stopSignals, SerialTimeouts timeouts)
    : options_(options),
      prepared_(prepared),
      output_(output),
      stopSignals_(stopSignals),
      timeouts_(timeouts),
      stream_(output, options.json) {
    FillJob(job_, options, prepared.profile, JobModesOf(options.command).front());
    job_.JournalFile = prepared.journal.get();
    console_ =
        std::make_unique<TerminalConsole>(prepared.texts, output, [this] { OnLogRefresh(); });
    job_.Console = console_.get();
    stream_.Begin();
}

JobOutcome JobSession::Run(const JobGoal& goal) {
    goal_ = goal;
    goalReached_ = false;
    tally_ = {};
    recordsSeen_ = job_.Records.size();
    ++job_.JobNumber;

    JobOutcome outcome;
    if (output_.RecordsLost()) {
        outcome.interrupted = true;
        return outcome;
    }
    // A read waits for a card without a sign of life; someone at a terminal is told what for.
    if (job_.Mode == 1) output_.Hint(CardctlLine(CardctlText::tr("swipe a card; Ctrl+C ends")));
    if (goal.cards > 0 && output_.ErrIsTerminal()) ShowProgress();
    outcome.interrupted = RunJobOnWorker(job_, timeouts_, stopSignals_, output_);
    outcome.interrupted = outcome.interrupted || output_.RecordsLost();
    output_.EndProgress();
    outcome.refused = console_->Refused();
    outcome.gaveUp = !job_.TriesExhausted.empty();
    if (!job_.JournalFailure.empty()) {
        // Said once; the jobs after this one (a clone's writes) go without it.
        output_.Error(
            CardctlLine(CardctlText::tr("--journal %1; the job stopped"), {job_.JournalFailure}));
        job_.JournalFile = nullptr;
        journalFailed_ = true;
    }
    outcome.journalFailed = journalFailed_;
    outcome.tally = tally_;
    // A single write is done with its one card, confirmed or not; runs and lists write
    // again until every card is confirmed.
    const bool single = goal.cards == 1 && job_.Continuous == 0 && job_.CardList.empty();
    const JobTally& tally = outcome.tally;
    const int settled =
        tally.confirmed + (single ? tally.notConfirmed + tally.verifyFailed : 0);
    outcome.reachedGoal = goal.cards > 0 ? settled >= goal.cards : goalReached_;
    outcome.cardsLeft = tally.confirmed < goal.cards;
    // Runs, lists and copies say what is left, and how to go on, once they are done.
    if (outcome.interrupted && single && settled == 0)
        output_.Message(CardctlLine(CardctlText::tr("stopped with 1 of 1 card not written")));
    return outcome;
}

void JobSession::OnLogRefresh() {
    // The log's home is the --log file: what it gained goes there and is not kept, so a
    // long run holds no log in memory.
    if (prepared_.log) prepared_.log->Append(job_.JobLog);
    const std::string added = std::exchange(job_.JobLog, {});
    const CardRecordList& records = job_.Records;
    if (records.size() == recordsSeen_) {
        ShowNotices(added);
        return;
    }
    for (; recordsSeen_ < records.size(); ++recordsSeen_) tally_.Add(records[recordsSeen_]);
    stream_.Update(records);
    // A reader that went away (cardctl read | head -3) ends the job as Stop does, so the
    // device is still reset.
    if (output_.RecordsLost() && job_.StopFlag.load() == 0) {
        output_.Message(CardctlLine(CardctlText::tr("standard output is closed: stopping")));
        job_.StopFlag.store(1);
    }
    ShowProgress();
    if (goal_.enough && !goalReached_ && goal_.enough(tally_, records.back())) {
        goalReached_ = true;
        job_.StopFlag.store(1);
    }
}

void JobSession::ShowProgress() {
    const bool terminal = output_.ErrIsTerminal();
    if (goal_.cards > 0) {
        const bool waiting = terminal && tally_.confirmed < goal_.cards;
        output_.Progress(waiting ? AwaitingLine(tally_, tally_.confirmed + 1, goal_.cards)
                                 : ProgressLine(tally_, goal_.cards));
    } else if (terminal && !output_.OutIsTerminal()) {
        output_.Progress(ReadCountLine(tally_));
    }
}

// An entry without a card tells why the job cannot go on, or sums it up: shown line by
// line, without the hyphen lines that frame it in the log.
void JobSession::ShowNotices(std::string_view gbkText) {
    const std::string text = GbkToUtf8(gbkText);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.find_first_not_of('-') == std::string::npos) continue;
        output_.Message("cardctl: " + line);
    }
}

bool JobSession::WriteRecordsFile() const {
    if (options_.recordsPath.isEmpty()) return true;
    const bool json = options_.recordsPath.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    const auto write = [&](const ByteSink& sink) {
        if (json) {
            RecordsJson(job_.Records, sink);
        } else {
            RecordsCsv(job_.Records, ByteOrderMark::Include, sink);
        }
    };
    if (const auto error = WriteFileWhole(options_.recordsPath, write)) {
        output_.Error(CardctlLine(CardctlText::tr("--records %1"), {*error}));
        return false;
    }
    return true;
}
