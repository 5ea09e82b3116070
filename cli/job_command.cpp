#include "job_command.h"

#include "exit_status.h"
#include "job_session.h"

namespace {

void FillRun(CardJob& job, const RunNumbering& numbering) {
    job.Continuous = 1;
    job.Count = numbering.count;
    job.Track2Start = numbering.start2;
    job.Track2Increment = numbering.step2;
    job.Track3Start = numbering.start3;
    job.Track3Increment = numbering.step3;
}

int StatusOf(const JobOutcome& outcome) {
    if (outcome.interrupted) return kExitStopped;
    if (outcome.refused) return kExitBadInput;
    return kExitDone;
}

}  // namespace

int RunJobCommand(const CliOptions& options, CliOutput& output, StopSignals& stopSignals,
                  const SerialTimeouts& timeouts) {
    PreparedJob prepared;
    if (const auto status = PrepareJob(options, timeouts, output, prepared)) return *status;
    JobSession session(options, prepared, output, stopSignals, timeouts);
    CardJob& job = session.Job();
    job.Mode = options.command == CliCommand::Read ? 1 : 0;
    if (options.command == CliCommand::Run) FillRun(job, options.numbering);
    return StatusOf(session.Run());
}
