#include "probe_command.h"

#include "control_escape.h"
#include "device_probe.h"
#include "exit_status.h"
#include "hex_bytes.h"

namespace {

std::string Report(const std::string& port, const ProbeResult& probe) {
    std::string text = "Port: " + port + "\n";
    if (!probe.answered) {
        text += "Communication test (1b 65): " +
                (probe.other.empty() ? std::string("no answer") : "answered " + HexBytes(probe.other)) +
                "\nNo encoder of the ESC-block kind answered. A device of the commands family\n"
                "answers only its own profile's bytes: try a read with its profile\n"
                "(cardctl read --tracks 2 --profile QXProduct.ini).\n";
        return text;
    }
    text += std::string("Communication test (1b 65): answered") +
            (probe.lostEsc ? " 79 (the bridge lost the ESC)\n" : " 1b 79\n");
    // The device's own words, which may hold any byte.
    text += "Model: " + (probe.model ? EscapeControls(*probe.model) : "not told") + "\n";
    text += "Firmware: " + (probe.firmware ? EscapeControls(*probe.firmware) : "not told") + "\n";
    text += "Family: esc-block; the sample profile esc-block.ini (beside QXProduct.ini) fits:\n"
            "copy it to QXProduct.ini, or give it with --profile esc-block.ini.\n";
    return text;
}

}  // namespace

int RunProbeCommand(const CliOptions& options, CliOutput& output, const SerialTimeouts& timeouts) {
    SerialLink link(timeouts);
    link.SetPortName(options.job.portName);
    link.SetSettings(options.job.lineSettings);
    link.Open();
    if (!link.IsOpen()) {
        output.Error("cardctl: cannot open the port " + options.job.portName + ": " +
                     link.FailureReason() + " (cardctl ports lists them)");
        return kExitDeviceFailure;
    }
    const ProbeResult probe = ProbeEscBlock(link);
    link.Close();
    output.Records(Report(options.job.portName, probe));
    return probe.answered ? kExitDone : kExitDeviceFailure;
}
