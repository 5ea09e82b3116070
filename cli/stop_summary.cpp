#include "stop_summary.h"

#include <string>

namespace {

// For a list: the journal it was written to, or at least the records file, which is
// written also after a stop. A journal that failed lacks cards: it is not named then.
std::string ResumeHint(const CliOptions& options, bool journalFailed) {
    if (journalFailed) {
        const std::string records = options.recordsPath.isEmpty()
                                        ? "standard output's records"
                                        : "the records in " + options.recordsPath.toStdString();
        return "the journal " + options.journalPath.toStdString() +
               " lacks cards: this run's confirmed ones are " + records +
               " (status ok or unverified); leave them out of the list, and those the journal "
               "held, before writing the rest";
    }
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
    // its input sent none. A failed journal is always said, with where the confirmed cards
    // are instead.
    if (!outcome.journalFailed && (outcome.refused || !outcome.cardsLeft)) return;
    const int confirmed = outcome.tally.confirmed;
    const int left = total - confirmed;
    std::string hint;
    switch (options.command) {
        case CliCommand::Batch:
            hint = ResumeHint(options, outcome.journalFailed);
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
