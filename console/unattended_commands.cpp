// The window's side of unattended writing: the journal that the jobs write every card to,
// and a list write that leaves out the cards the journal shows written.
#include "card_demo_dlg.h"
#include "card_texts.h"
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
        if (!journal_) ShowMessageBox(this, QString::fromStdString(error));
    }
    UpdateCommandStates();
}

void CCardDemoDlg::OnJournalFailed() {
    journal_.reset();
    job_.JournalFile = nullptr;
    UpdateCommandStates();
    ShowMessageBox(this, ConsoleTexts::JournalFailed(QString::fromStdString(job_.JournalFailure)));
}

bool CCardDemoDlg::LeaveOutJournalledCards(std::vector<ListCard>& cards) {
    if (!journal_) return true;
    // The window's journal holds every job's cards; only those matching the list count.
    const ConfirmedCardsResult journal = ReadConfirmedCards(journal_->Path());
    if (!journal.error.empty())
        return AskOkCancel(
            this, ConsoleTexts::UnreadableJournalQuestion(QString::fromStdString(journal.error)));
    ResumedList resumed = LeaveOutWritten(cards, *SelectedTracks(), journal.cards, journal.unsure);
    for (const ConfirmedCard& card : resumed.unsure) {
        const std::string text = CardTexts::MayBeWritten(card.card, card.tracks, card.gbk);
        if (!AskYesNo(this, ConsoleTexts::RewriteUnsureQuestion(QString::fromStdString(text))))
            return false;
    }
    if (resumed.skipped == 0) return true;
    switch (AskYesNoCancel(
        this, ConsoleTexts::SkipWrittenQuestion(static_cast<int>(cards.size()), resumed.skipped))) {
        case QMessageBox::Yes:
            cards = std::move(resumed.remaining);
            return !cards.empty();
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}
