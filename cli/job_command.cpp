#include "job_command.h"

#include "card_copy.h"
#include "cardctl_text.h"
#include "exit_status.h"
#include "job_fill.h"
#include "job_session.h"
#include "stop_signals.h"
#include "stop_summary.h"

namespace {

int StatusOf(const JobOutcome& outcome) {
    if (outcome.interrupted) return kExitStopped;
    if (outcome.refused) return kExitBadInput;
    if (outcome.gaveUp) return kExitNotConfirmed;
    // A job that ended on its own before its goal lost its port; its entry said why.
    if (!outcome.reachedGoal) return kExitDeviceFailure;
    // A card read back wrong and then written again on the next blank is done.
    return outcome.tally.notConfirmed > 0 || outcome.cardsLeft ? kExitNotConfirmed : kExitDone;
}

// --cards N: N cards logged, failed reads included.
JobGoal ReadGoal(int cards) {
    JobGoal goal;
    if (cards > 0) {
        goal.enough = [cards](const JobTally& tally, const CardRecord&) {
            return tally.read >= cards;
        };
    }
    return goal;
}

// A run, a list or a clone's copies: when stopped or ended by a card's tries, says how to
// write the rest. A resumed list's `total` holds the `writtenBefore` cards earlier runs wrote.
JobOutcome RunWrites(const CliOptions& options, JobSession& session, CliOutput& output,
                     int cards, int total) {
    const JobOutcome outcome = session.Run({cards, {}});
    SayHowToGoOn(options, outcome, total - cards, total, output);
    return outcome;
}

int RunClone(const CliOptions& options, JobSession& session, CliOutput& output) {
    CardJob& job = session.Job();
    JobGoal readGoal;
    readGoal.enough = [&output](const JobTally&, const CardRecord& last) {
        if (AllTracksOk(last)) return true;
        output.Message(
            CardctlLine(CardctlText::tr("a track of the card could not be read: swipe it again")));
        return false;
    };
    const JobOutcome read = session.Run(readGoal);
    if (const int status = StatusOf(read); status != kExitDone) return status;

    const int count = options.numbering.count;
    const CardListResult copies = CopiesOfCard(job.Records.back(), count,
                                               TrackLimitsFor(job.Profile, options.job.lowDensity));
    for (const std::string& error : copies.errors) output.Error("cardctl: " + error);
    if (!copies.errors.empty()) return kExitBadInput;

    output.Message(CardctlLine(count == 1
                                   ? CardctlText::tr("card read; now %1 blank card to write")
                                   : CardctlText::tr("card read; now %1 blank cards to write"),
                               {std::to_string(count)}));
    FillListWrite(job, copies.cards);
    return StatusOf(RunWrites(options, session, output, count, count));
}

// An erase leaves no card record: the job says whether the device confirmed it.
int RunErase(JobSession& session) {
    const JobOutcome outcome = session.Run({});
    const CardJob& job = session.Job();
    if (outcome.interrupted) return kExitStopped;
    if (outcome.refused) return kExitBadInput;
    if (job.Erased != 0) return kExitDone;
    return job.PortFailure.empty() ? kExitNotConfirmed : kExitDeviceFailure;
}

int RunCommand(const CliOptions& options, PreparedJob& prepared, JobSession& session,
               CliOutput& output) {
    CardJob& job = session.Job();
    switch (options.command) {
        case CliCommand::Read:
            return StatusOf(session.Run(ReadGoal(options.cards)));
        case CliCommand::Write:
            return StatusOf(session.Run({1, {}}));
        case CliCommand::Run:
            return StatusOf(
                RunWrites(options, session, output, options.numbering.count, options.numbering.count));
        case CliCommand::Batch: {
            const int cards = static_cast<int>(prepared.cards.size());
            // A resumed list whose every card is in the journal is done.
            if (cards == 0) return kExitDone;
            FillListWrite(job, prepared.cards, prepared.listSize);
            return StatusOf(RunWrites(options, session, output, cards, prepared.listSize));
        }
        case CliCommand::Clone:
            return RunClone(options, session, output);
        case CliCommand::Erase:
            return RunErase(session);
        case CliCommand::Ports:
        case CliCommand::Profile:
        case CliCommand::Probe:
            break;
    }
    return kExitBadInput;
}

}  // namespace

int RunJobCommand(const CliOptions& options, CliOutput& output, StopSignals& stopSignals,
                  const SerialTimeouts& timeouts) {
    PreparedJob prepared;
    if (const auto status = PrepareJob(options, timeouts, output, prepared)) return *status;
    JobSession session(options, prepared, output, stopSignals, timeouts);
    int status = RunCommand(options, prepared, session, output);
    if (status == kExitStopped && stopSignals.First() == StopSignals::Kind::Terminate)
        status = kExitTerminated;
    if (status == kExitStopped && stopSignals.First() == StopSignals::Kind::HangUp)
        status = kExitHungUp;
    // Also after Ctrl+C: the records file holds every card the jobs logged.
    bool outputFailed = !session.WriteRecordsFile();
    if (prepared.log && !prepared.log->Failure().empty()) {
        output.Error(CardctlLine(CardctlText::tr("--log %1 is incomplete: %2"),
                                 {options.logPath.toStdString(), prepared.log->Failure()}));
        outputFailed = true;
    }
    // A script that retries on 2 would write every card again. A failed journal outranks
    // everything: a script that resumes from it would write its missing cards twice.
    const bool cardsWentOut = status == kExitDone || status == kExitNotConfirmed;
    if (session.JournalFailed()) return kExitOutputFailed;
    return outputFailed && cardsWentOut ? kExitOutputFailed : status;
}
