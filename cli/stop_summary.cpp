#include "stop_summary.h"

#include <string>

#include "cardctl_text.h"
namespace {

// For a list: the journal it was written to, or at least the records file, which is
// written also after a stop. A journal that failed lacks cards: it is not named then.
std::string ResumeHint(const CliOptions& options, bool journalFailed) {
    if (journalFailed) {
        const std::string records =
            options.recordsPath.isEmpty()
                ? CardctlText::tr("standard output's records").toStdString()
                : Filled(CardctlText::tr("the records in %1"), {options.recordsPath.toStdString()});
        return Filled(CardctlText::tr("the journal %1 lacks cards: this run's confirmed ones are "
                                      "%2 (status ok or unverified); leave them out of the list, "
                                      "and those the journal held, before writing the rest"),
                      {options.journalPath.toStdString(), records});
    }
    if (!options.journalPath.isEmpty()) {
        const std::string journal = options.journalPath.toStdString();
        return Filled(CardctlText::tr("run the same batch with --resume %1 --journal %1"),
                      {journal});
    }
    if (options.recordsPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return Filled(CardctlText::tr("run the same batch with --resume %1"),
                      {options.recordsPath.toStdString()});
    return CardctlText::tr("run the same batch with --resume FILE after a run with --journal FILE")
        .toStdString();
}

}  // namespace

void SayHowToGoOn(const CliOptions& options, const JobOutcome& outcome, int writtenBefore,
                  int total, CliOutput& output) {
    // Stopped, out of tries or cut off by a lost port: cards are left. A job that refused
    // its input sent none. A failed journal is always said, with where the confirmed cards
    // are instead.
    if (!outcome.journalFailed && (outcome.refused || !outcome.cardsLeft)) return;
    const int confirmed = writtenBefore + outcome.tally.confirmed;
    const int left = total - confirmed;
    std::string hint;
    switch (options.command) {
        case CliCommand::Batch:
            hint = ResumeHint(options, outcome.journalFailed);
            break;
        case CliCommand::Run:
            hint = Filled(CardctlText::tr("run the rest with --count %1 and each start number "
                                          "moved on %2 steps"),
                          {std::to_string(left), std::to_string(confirmed)});
            break;
        default:
            hint = Filled(CardctlText::tr("clone again with --count %1"), {std::to_string(left)});
            break;
    }
    output.Error(CardctlLine(
        CardctlText::tr("%1 of %2 cards confirmed, %3 left; to go on, %4"),
        {std::to_string(confirmed), std::to_string(total), std::to_string(left), hint}));
}
