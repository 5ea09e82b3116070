#include "stop_summary.h"

#include <string>

namespace {

// For a list: the journal it was written to, or at least the records file, which is
// written also after a stop.
std::string ResumeHint(const CliOptions& options) {
    if (!options.journalPath.isEmpty()) {
        const std::string journal = options.journalPath.toStdString();
        return "run the same batch with --resume " + journal + " --journal " + journal;
    }
    if (options.recordsPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return "run the same batch with --resume " + options.recordsPath.toStdString();
    return "run the same batch with --resume FILE after a run with --journal FILE";
}

}  // namespace

void SayHowToGoOn(const CliOptions& options, const JobOutcome& outcome, int total,
                  CliOutput& output) {
    // Stopped, out of tries or cut off by a lost port: cards are left. A job that refused
    // its input sent none.
    if (outcome.refused || !outcome.cardsLeft) return;
    const int confirmed = outcome.tally.confirmed;
    const int left = total - confirmed;
    std::string hint;
    switch (options.command) {
        case CliCommand::Batch:
            hint = ResumeHint(options);
            break;
        case CliCommand::Run:
            hint = "run the rest with --count " + std::to_string(left) +
                   " and each start number moved on " + std::to_string(confirmed) + " steps";
            break;
        default:
            hint = "clone again with --count " + std::to_string(left);
            break;
    }
    output.Error("cardctl: " + std::to_string(confirmed) + " of " + std::to_string(total) +
                 " cards confirmed, " + std::to_string(left) + " left; to go on, " + hint);
}
