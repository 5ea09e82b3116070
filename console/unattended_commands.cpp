// The window's side of unattended writing: the journal that every record goes to as its
// card is logged, and a list write that leaves out the cards the journal shows written.
#include <QTimer>

#include "card_demo_dlg.h"
#include "console_texts.h"
#include "file_dialog.h"
#include "message_box.h"
#include "system_menu.h"
#include "written_cards.h"

void CCardDemoDlg::ToggleJournal() {
    if (journal_) {
        journal_.reset();
    } else if (const std::optional<ChosenFile> file =
                   AskForFile(this, {FileQuestion::Purpose::Append,
                                     ConsoleTexts::JournalTitle(),
                                     ConsoleTexts::JournalFilters(),
                                     {"csv"},
                                     ConsoleTexts::JournalName()})) {
        std::string error;
        journal_ = Journal::Open(file->path, error);
        // From now on: the records of earlier jobs are the export's to save.
        journalled_ = job_.Records.size();
        if (!journal_) ShowMessageBox(this, QString::fromStdString(error));
    }
    UpdateCommandStates();
}

void CCardDemoDlg::AppendToJournal() {
    for (; journal_ && journalled_ < job_.Records.size(); ++journalled_) {
        const auto error = journal_->Append(job_.Records[journalled_]);
        if (!error) continue;
        journal_.reset();
        UpdateCommandStates();
        // Said once, after this refresh has let the worker go on with its job.
        QTimer::singleShot(0, this, [this, text = QString::fromStdString(*error)] {
            ShowMessageBox(this, text);
        });
    }
    journalled_ = job_.Records.size();
}

bool CCardDemoDlg::LeaveOutJournalledCards(std::vector<ListCard>& cards) {
    if (!journal_) return true;
    // The window's journal holds every job's cards; only those matching the list count.
    const ConfirmedCardsResult journal = ReadConfirmedCards(journal_->Path());
    if (!journal.error.empty()) return true;
    ResumedList resumed = LeaveOutWritten(cards, *SelectedTracks(), journal.cards);
    if (resumed.skipped == 0) return true;
    switch (AskYesNoCancel(this, ConsoleTexts::SkipWrittenQuestion(static_cast<int>(cards.size()),
                                                                   resumed.skipped))) {
        case QMessageBox::Yes:
            cards = std::move(resumed.remaining);
            return !cards.empty();
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}
