// The window's own commands, from its menu, its shortcuts or the log box's menu: all of
// them arrive in OnSysCommand, as the About entry does.
#include "console_commands.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QKeySequence>
#include <functional>

#include "about_dlg.h"
#include "card_demo_dlg.h"
#include "card_list.h"
#include "console_dialog.h"
#include "console_texts.h"
#include "file_dialog.h"
#include "gbk.h"
#include "list_write.h"
#include "message_box.h"
#include "record_export.h"
#include "string_table.h"
#include "system_menu.h"
#include "whole_file.h"
#include "write_plan.h"

namespace {

constexpr int kListMaxTries = 3;

// Asks the operator where to save, then writes the bytes for the chosen filter as they are
// made, whole or not at all; a failure is shown with the system's reason.
void SaveAs(QWidget* owner, const FileQuestion& question,
            const std::function<void(int filter, const ByteSink& sink)>& write) {
    const std::optional<ChosenFile> file = AskForFile(owner, question);
    if (!file) return;
    if (const auto error =
            WriteFileWhole(file->path, [&](const ByteSink& sink) { write(file->filter, sink); })) {
        ShowMessageBox(owner, QString::fromStdString(*error));
    }
}

}  // namespace

void CCardDemoDlg::CreateSystemMenu() {
    const std::vector<MenuEntry> entries{
        {kViewLogCommand, ConsoleTexts::ViewLogEntry(), QKeySequence(Qt::Key_F2)},
        {kSaveLogCommand, ConsoleTexts::SaveLogEntry(), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {kExportRecordsCommand, ConsoleTexts::ExportRecordsEntry(),
         QKeySequence(Qt::CTRL | Qt::Key_E)},
        {kWriteListCommand, ConsoleTexts::WriteListEntry(), QKeySequence(Qt::CTRL | Qt::Key_L)},
        {kVerifyCommand, ConsoleTexts::VerifyEntry(), {}},
        {kJournalCommand, ConsoleTexts::JournalEntry(), {}},
        {kEraseCommand, ConsoleTexts::EraseEntry(), {}},
        {kRunDigitsCommand, ConsoleTexts::RunDigitsEntry(), {}},
    };
    systemMenu_ = new SystemMenu(*this, entries, LoadStringResource(IDS_ABOUTBOX),
                                 [this](int id) { OnSysCommand(id); });
    // In read mode the list's entry is off; its keys still say why.
    listNeedsWriteMode_ = new QAction(this);
    listNeedsWriteMode_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(listNeedsWriteMode_);
    connect(listNeedsWriteMode_, &QAction::triggered, this,
            [this] { ShowMessageBox(this, ConsoleTexts::ListNeedsWriteMode()); });
    logView_->OfferInContextMenu(
        {systemMenu_->EntryAction(kViewLogCommand), systemMenu_->EntryAction(kSaveLogCommand)});
    UpdateCommandStates();
}

bool CCardDemoDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    // Messages come while the window is made, before its menu is.
    return (systemMenu_ != nullptr && systemMenu_->TakeSystemCommand(message, result)) ||
           QDialog::nativeEvent(eventType, message, result);
}

void CCardDemoDlg::UpdateCommandStates() {
    // A running job owns the log and the records; a list is written only in write mode.
    systemMenu_->SetEntryEnabled(kViewLogCommand, !jobRunning_);
    systemMenu_->SetEntryEnabled(kSaveLogCommand, !jobRunning_);
    systemMenu_->SetEntryEnabled(kExportRecordsCommand, !jobRunning_);
    systemMenu_->SetEntryEnabled(kWriteListCommand, !jobRunning_ && job_.Mode == 0);
    listNeedsWriteMode_->setEnabled(!jobRunning_ && job_.Mode != 0);
    systemMenu_->SetEntryEnabled(kVerifyCommand, !jobRunning_);
    systemMenu_->SetEntryEnabled(kJournalCommand, !jobRunning_);
    systemMenu_->SetEntryEnabled(kEraseCommand, !jobRunning_);
    systemMenu_->SetEntryChecked(kVerifyCommand, verifyAfterWrite_);
    systemMenu_->SetEntryChecked(kJournalCommand, journal_ != nullptr);
    systemMenu_->SetEntryEnabled(kRunDigitsCommand, !jobRunning_);
    systemMenu_->SetEntryChecked(kRunDigitsCommand, runDigits_ > 0);
    UpdateWindowTitle();
}

void CCardDemoDlg::OnSysCommand(int id) {
    if (IsAboutCommand(id)) {
        CAboutDlg about(this);
        about.exec();
        return;
    }
    // Whatever way a command comes, a state that has it disabled ignores it.
    switch (id & 0xFFF0) {
        case kViewLogCommand:
            if (!jobRunning_) ShowLogWhileIdle(!logShownWhileIdle_);
            break;
        case kSaveLogCommand:
            if (!jobRunning_) SaveLog();
            break;
        case kExportRecordsCommand:
            if (!jobRunning_) ExportRecords();
            break;
        case kWriteListCommand:
            if (!jobRunning_ && job_.Mode == 0) WriteList();
            break;
        case kVerifyCommand:
            if (!jobRunning_) verifyAfterWrite_ = !verifyAfterWrite_;
            UpdateCommandStates();
            break;
        case kJournalCommand:
            if (!jobRunning_) ToggleJournal();
            break;
        case kEraseCommand:
            if (!jobRunning_) EraseCard();
            break;
        case kRunDigitsCommand:
            if (!jobRunning_) AskRunDigits();
            break;
        default:
            break;
    }
}

void CCardDemoDlg::AskRunDigits() {
    bool ok = false;
    const int digits =
        QInputDialog::getInt(this, ConsoleTexts::RunDigitsTitle(), ConsoleTexts::RunDigitsLabel(),
                             runDigits_, 0, kMaxRunDigits, 1, &ok);
    if (ok) runDigits_ = digits;
    UpdateCommandStates();
}

void CCardDemoDlg::ShowLogWhileIdle(bool show) {
    logShownWhileIdle_ = show;
    SetTrackAreaHidden(show);
    if (show) {
        PlaceLogOverTracks();
        logView_->Show(job_.JobLog, job_.JobLogLock);
        logView_->setFocus();
    } else {
        logView_->hide();
    }
}

void CCardDemoDlg::SaveLog() {
    SaveAs(this,
           {FileQuestion::Purpose::Save,
            ConsoleTexts::SaveLogTitle(),
            ConsoleTexts::SaveLogFilters(),
            {"txt", "txt"},
            ConsoleTexts::SaveLogName()},
           [this](int filter, const ByteSink& sink) {
               // The log is GBK already; the second filter keeps its bytes as they are.
               sink(filter == 1 ? job_.JobLog : GbkToUtf8(job_.JobLog));
           });
}

void CCardDemoDlg::ExportRecords() {
    SaveAs(this,
           {FileQuestion::Purpose::Save,
            ConsoleTexts::ExportTitle(),
            ConsoleTexts::ExportFilters(),
            {"csv", "json"},
            ConsoleTexts::ExportName()},
           [this](int filter, const ByteSink& sink) {
               if (filter == 1) {
                   RecordsJson(job_.Records, sink);
               } else {
                   RecordsCsv(job_.Records, ByteOrderMark::Include, sink);
               }
           });
}

void CCardDemoDlg::WriteList() {
    if (!ReadyToStart()) return;
    const std::optional<ChosenFile> file = AskForFile(this, {FileQuestion::Purpose::Open,
                                                             ConsoleTexts::ListTitle(),
                                                             ConsoleTexts::ListFilters(),
                                                             {},
                                                             {}});
    if (!file) return;
    // The list is checked whole against what the job will be, before anything is sent.
    const std::optional<TrackSet> tracks = SelectedTracks();
    const bool lowDensity = Control<QComboBox>(IDC_DENSITY)->currentIndex() == 0;
    CardListResult list =
        ReadCardList(file->path, *tracks, TrackLimitsFor(job_.Profile, lowDensity));
    if (!list.errors.empty()) {
        QStringList lines;
        for (const std::string& error : list.errors) lines << QString::fromStdString(error);
        ShowMessageBox(this, lines.join(u'\n'));
        return;
    }
    const int listSize = static_cast<int>(list.cards.size());
    if (!LeaveOutJournalledCards(list.cards)) return;
    const QString label = ConsoleTexts::TracksName(QString::fromStdString(PlanFor(tracks)->label));
    if (!AskOkCancel(this, ConsoleTexts::ListConfirm(static_cast<int>(list.cards.size()), label))) {
        return;
    }
    SetCardList(job_, list.cards, listSize);
    // Unattended, a card the device keeps refusing must not hold the list for ever.
    job_.MaxTries = kListMaxTries;
    StartJob();
}
