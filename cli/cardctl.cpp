#include "cardctl.h"

#include "cli_options.h"
#include "cli_output.h"
#include "control_escape.h"
#include "exit_status.h"
#include "job_command.h"
#include "port_listing.h"
#include "probe_command.h"
#include "profile_file.h"
#include "profile_report.h"
#include "stop_signals.h"

namespace {

int RunProfileCommand(const CliOptions& options, CliOutput& output, std::ostream& out) {
    const std::filesystem::path path = ProfilePathFor(options.profilePath);
    DeviceProfile profile;
    if (const auto error = LoadProfileFile(path, profile)) {
        output.Error(*error);
        return kExitDeviceFailure;
    }
    // Read by people wherever it goes, so a value's control bytes are shown escaped.
    std::size_t warnings = 0;
    out << EscapeControls(ProfileReport(path, profile, &warnings));
    return warnings == 0 ? kExitDone : kExitProfileWarnings;
}

}  // namespace

int RunCardctl(const QStringList& arguments, const CliEnvironment& environment) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    switch (parsed.action) {
        case ParsedCommandLine::Action::ShowHelp:
            environment.out << HelpText();
            return kExitDone;
        case ParsedCommandLine::Action::ShowVersion:
            environment.out << VersionText();
            return kExitDone;
        case ParsedCommandLine::Action::Refuse:
            environment.err << EscapeControls(parsed.error) << '\n';
            return kExitBadInput;
        case ParsedCommandLine::Action::RunCommand:
            break;
    }

    const CliOptions& options = parsed.options;
    CliOutput output(environment.out, environment.err, environment.errIsTerminal, options.quiet,
                     environment.outIsTerminal);
    switch (options.command) {
        case CliCommand::Ports:
            output.Records(PortListing(environment.portsDirectory));
            return kExitDone;
        case CliCommand::Profile:
            return RunProfileCommand(options, output, environment.out);
        case CliCommand::Probe:
            return RunProbeCommand(options, output, environment.timeouts);
        default: {
            StopSignals stopSignals;
            return RunJobCommand(options, output, stopSignals, environment.timeouts);
        }
    }
}
