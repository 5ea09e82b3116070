#pragma once

#include <QDialog>
#include <QFont>
#include <filesystem>
#include <memory>
#include <optional>

#include "card_job.h"
#include "card_list.h"
#include "device_profile.h"
#include "dialog_builder.h"
#include "executable_dir.h"
#include "journal.h"
#include "log_view.h"
#include "picture_ctrl.h"
#include "serial_link.h"

class QAction;
class QPushButton;
class QThread;
class SystemMenu;
class TrackHints;
class TrackTextBox;
class WindowConsole;

// The operator console: the main window, built from dialog template 102. It owns the job
// record (with the device profile and the job log) for its whole life.
class CCardDemoDlg : public QDialog {
    Q_OBJECT
  public:
    // The profile is read from profilePath during initialisation.
    explicit CCardDemoDlg(QWidget* parent = nullptr,
                          const std::filesystem::path& profilePath = DefaultProfilePath());
    ~CCardDemoDlg() override;

    CardJob& Job() { return job_; }
    const CardJob& Job() const { return job_; }

    // Moves the values between the number boxes and log box and the job record. Towards
    // the record the number boxes are validated in exchange order: the first failure
    // shows the standard message, puts the focus on that box, leaves that field and
    // every later one as they were, and makes the exchange report false.
    bool UpdateData(bool saveAndValidate = true);

    // Enables the track toggles, track boxes and their number boxes that the selected
    // model allows and disables the others; changes nothing when no model is selected
    // and never checks or unchecks a toggle.
    void ApplyModelRule();

    // A system command: ids 16 to 31 open the About box, the console's own commands
    // (console_commands.h) run theirs; the window manager keeps the others.
    void OnSysCommand(int id);

    // The menu that offers the About entry and the console's own commands where the
    // platform has no system menu.
    SystemMenu& SystemCommands() const { return *systemMenu_; }

    // Whether the log box is shown in place of the track boxes while no job runs.
    bool LogShownWhileIdle() const { return logShownWhileIdle_; }

    // The serial time-outs the jobs' links use (tests shorten them).
    void SetSerialTimeouts(const SerialTimeouts& timeouts) { timeouts_ = timeouts; }
    // Between Run and the worker's WM_JOB_DONE.
    bool JobRunning() const { return jobRunning_; }

    // Closing waits for a running job: it is asked to stop, and the window goes once the
    // job has ended.
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The system menu's commands arrive here on Windows.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    void OnInitDialog(const std::filesystem::path& profilePath);
    void FillComboLists();
    void SelectStartItems();
    // ISO/IEC 7811 hints on the track boxes while the format box says ISO.
    void AttachTrackHints();
    void SetBigFont();
    void ConnectHandlers();
    // Enter: close after the values pass validation.
    void OnOK();

    void OnReadMode();
    void OnWriteMode();
    void OnTrackTextChanged(std::size_t track);
    void OnDensityChanged();
    void OnTrackToggle(QPushButton* clicked);
    void OnModelChanged();
    // Each time the port box's list opens it is made anew.
    void OnPortListOpening();

    // The console's own commands (console_commands.cpp).
    void CreateSystemMenu();
    void UpdateCommandStates();
    void ShowLogWhileIdle(bool show);
    void SaveLog();
    void ExportRecords();
    void WriteList();
    // The numbered run's digits: asked for, kept for the window's life.
    void AskRunDigits();
    // Asks for the tracks, then erases them on the next card swiped (erase_command.cpp).
    void EraseCard();

    // Unattended writing (unattended_commands.cpp).
    void ToggleJournal();
    // After a job whose journal failed: turns it off and says so.
    void OnJournalFailed();
    // With the journal on: offers to leave out the list's cards it shows written, and asks
    // before writing again a card it shows in flight, or a list it cannot tell about. False
    // when the operator cancels, or leaves nothing to write.
    bool LeaveOutJournalledCards(std::vector<ListCard>& cards);

    // The title's marks (window_title.cpp).
    void UpdateWindowTitle();
    void OnDeviceSilence(const Console::Silence& silence);

    // Running and stopping jobs (job_control.cpp).
    void RunJob();
    // Run's checks: a track chosen and the number boxes valid; says what is wrong.
    bool ReadyToStart();
    // Locks the window, fills the job from the controls and starts the worker.
    void StartJob();
    // The checked track toggle's tracks; none when none is checked.
    std::optional<TrackSet> SelectedTracks() const;
    void LockForJob();
    // The log box where a job shows it, over the track area.
    void PlaceLogOverTracks();
    // The track boxes and their number boxes, which the log box replaces.
    void SetTrackAreaHidden(bool hidden);
    void FillJobFromControls();
    void StartWorker();
    void StopJob();
    void OnJobMessage(uint32_t message);
    void OnJobDone();
    // The ending's box, when the job's end needs one (job_end.cpp).
    void ShowJobEnd();
    void OnLogRefresh();
    TrackTexts TrackTextsForJob() const;
    void OnWorkerFinished();
    // Joins the worker thread of a job that has ended.
    void ReapWorker();
    void EndJobBeforeDestruction();

    template <class T>
    T* Control(int id) const;
    TrackTextBox* TrackBox(std::size_t track) const;

    CardJob job_;
    QFont bigFont_;
    SystemMenu* systemMenu_ = nullptr;
    QAction* listNeedsWriteMode_ = nullptr;  // Ctrl+L while the list's entry is off
    std::array<TrackHints*, 3> trackHints_{};
    LogView* logView_ = nullptr;
    // Held but never attached to a control: the frame 143 stays a plain black frame.
    CPictureCtrl picture_{true};

    std::unique_ptr<WindowConsole> windowConsole_;
    std::unique_ptr<QThread> worker_;
    int jobNumber_ = 0;
    bool jobRunning_ = false;
    bool logShownWhileIdle_ = false;
    std::optional<int> pendingClose_;
    bool verifyAfterWrite_ = false;
    int runDigits_ = 0;
    // The read or write mode an erase job set aside; given back when it is done.
    std::optional<int32_t> modeBeforeErase_;
    std::unique_ptr<Journal> journal_;
    SerialTimeouts timeouts_;
    QString caption_;      // the template's
    QString silenceMark_;  // while the job's device is silent
};

template <class T>
T* CCardDemoDlg::Control(int id) const {
    return FindControl<T>(*this, id);
}
