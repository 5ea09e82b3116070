#include "probe_command.h"

#include "cardctl_text.h"
#include "control_escape.h"
#include "device_probe.h"
#include "exit_status.h"
#include "hex_bytes.h"
#include "hid_ports.h"
#include "link_factory.h"
#include "profile_file.h"

namespace {

// What the device said to the communication test.
std::string Answer(const ProbeResult& probe) {
    if (probe.answered && probe.lostEsc)
        return CardctlText::tr("answered 79 (the bridge lost the ESC)").toStdString();
    if (probe.answered) return Filled(CardctlText::tr("answered %1"), {"1b 79"});
    if (probe.other.empty()) return CardctlText::tr("no answer").toStdString();
    return Filled(CardctlText::tr("answered %1"), {HexBytes(probe.other)});
}

std::string Report(const std::string& port, const ProbeResult& probe) {
    std::string text = Filled(CardctlText::tr("Port: %1\nCommunication test (1b 65): %2\n"),
                              {port, Answer(probe)});
    if (!probe.answered) {
        return text + CardctlText::tr(
                          "No encoder of the ESC-block kind answered. A device of the "
                          "commands family\nanswers only its own profile's bytes: try "
                          "a read with its profile\n(cardctl read --tracks 2 --profile "
                          "QXProduct.ini).\n")
                          .toStdString();
    }
    // The device's own words, which may hold any byte.
    const std::string notTold = CardctlText::tr("not told").toStdString();
    text += Filled(CardctlText::tr("Model: %1\nFirmware: %2\n"),
                   {probe.model ? EscapeControls(*probe.model) : notTold,
                    probe.firmware ? EscapeControls(*probe.firmware) : notTold});
    return text + CardctlText::tr(
                      "Family: esc-block; the sample profile esc-block.ini (beside "
                      "QXProduct.ini) fits:\ncopy it to QXProduct.ini, or give it "
                      "with --profile esc-block.ini.\n")
                      .toStdString();
}

}  // namespace

int RunProbeCommand(const CliOptions& options, CliOutput& output, const SerialTimeouts& timeouts) {
    LinkKeys keys = ProfileLinkKeys(options.profilePath);
    if (HidPortNumber(options.job.portName)) keys.link = LinkKeys::Link::Hid;
    const std::string port = options.job.portNamed ? options.job.portName : DefaultPortName(keys);
    const auto link = MakeDeviceLink(keys, port, options.job.lineSettings, timeouts);
    link->Open();
    if (!link->IsOpen()) {
        output.Error(
            CardctlLine(CardctlText::tr("cannot open the port %1: %2 (cardctl ports lists them)"),
                        {port, link->FailureReason()}));
        return kExitDeviceFailure;
    }
    const ProbeResult probe = ProbeEscBlock(*link);
    link->Close();
    output.Records(Report(port, probe));
    return probe.answered ? kExitDone : kExitDeviceFailure;
}
