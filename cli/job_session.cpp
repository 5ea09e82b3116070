#include "job_session.h"

#include "job_runner.h"

JobSession::JobSession(const CliOptions& options, PreparedJob& prepared, CliOutput& output,
                       StopSignals& stopSignals, SerialTimeouts timeouts)
    : options_(options),
      prepared_(prepared),
      output_(output),
      stopSignals_(stopSignals),
      timeouts_(timeouts),
      stream_(output, options.json) {
    const JobSettings& settings = options.job;
    job_.PortName = settings.portName;
    job_.CommSettings = settings.lineSettings;
    job_.Tracks = settings.tracks;
    job_.IsoFormat = settings.isoFormat ? 1 : 0;
    job_.LowDensity = settings.lowDensity ? 1 : 0;
    job_.LowCoercivity = settings.lowCoercivity ? 1 : 0;
    job_.Profile = prepared.profile;
    console_ =
        std::make_unique<TerminalConsole>(prepared.texts, output, [this] { OnLogRefresh(); });
    job_.Console = console_.get();
    stream_.Begin();
}

JobOutcome JobSession::Run() {
    JobOutcome outcome;
    outcome.interrupted = RunJobOnWorker(job_, timeouts_, stopSignals_, output_);
    outcome.refused = console_->Refused();
    output_.EndProgress();
    return outcome;
}

void JobSession::OnLogRefresh() {
    if (prepared_.log) prepared_.log->Update(job_.JobLog);
}
