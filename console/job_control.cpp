// The console's side of a job: Run turns the settings into a job and starts the worker,
// Stop asks the worker to end, and the worker's two messages come back here.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QThread>
#include <array>
#include <utility>

#include "card_demo_dlg.h"
#include "card_worker.h"
#include "console_dialog.h"
#include "console_texts.h"
#include "gbk.h"
#include "list_write.h"
#include "message_box.h"
#include "model_rule.h"
#include "track_text_box.h"
#include "window_console.h"

namespace {

// How a job takes a control out of the operator's reach while it runs. Its end gives
// each control back in the same order, except the track toggles: the model rule alone
// decides which of those come back.
enum class JobLock { Disable, Hide, DisableUntilModelRule };

struct LockedControl {
    int id;
    JobLock lock;
};

// In the order a job locks them: mode toggles, the nine settings boxes, the continuous
// check box, the track toggles, the numbering boxes, the count box and the track boxes.
constexpr std::array<LockedControl, 27> kJobLocks{{
    {IDC_READ_MODE, JobLock::Disable},
    {IDC_WRITE_MODE, JobLock::Disable},
    {IDC_DENSITY, JobLock::Disable},
    {IDC_BAUD, JobLock::Disable},
    {IDC_PORT, JobLock::Disable},
    {IDC_DATA_BITS, JobLock::Disable},
    {IDC_COERCIVITY, JobLock::Disable},
    {IDC_FORMAT, JobLock::Disable},
    {IDC_PARITY, JobLock::Disable},
    {IDC_STOP_BITS, JobLock::Disable},
    {IDC_MODEL, JobLock::Disable},
    {IDC_CONTINUOUS, JobLock::Disable},
    {IDC_TOGGLE_TRACK1, JobLock::DisableUntilModelRule},
    {IDC_TOGGLE_TRACK12, JobLock::DisableUntilModelRule},
    {IDC_TOGGLE_TRACK2, JobLock::DisableUntilModelRule},
    {IDC_TOGGLE_TRACK23, JobLock::DisableUntilModelRule},
    {IDC_TOGGLE_TRACK3, JobLock::DisableUntilModelRule},
    {IDC_TRACK1_START, JobLock::Hide},
    {IDC_TRACK2_START, JobLock::Hide},
    {IDC_TRACK3_START, JobLock::Hide},
    {IDC_TRACK1_INCREMENT, JobLock::Hide},
    {IDC_TRACK2_INCREMENT, JobLock::Hide},
    {IDC_TRACK3_INCREMENT, JobLock::Hide},
    {IDC_COUNT, JobLock::Disable},
    {IDC_TRACK1_TEXT, JobLock::Hide},
    {IDC_TRACK2_TEXT, JobLock::Hide},
    {IDC_TRACK3_TEXT, JobLock::Hide},
}};

// Where the log box goes while a job runs, in pixels of the client area at 96 dpi.
constexpr int kLogLeft = 13;
constexpr int kLogTop = 186;
constexpr int kLogWidth = 727;
constexpr int kLogHeight = 329;

}  // namespace

void CCardDemoDlg::RunJob() {
    if (!ReadyToStart()) return;
    SetCardList(job_, {});
    job_.MaxTries = 0;
    StartJob();
}

bool CCardDemoDlg::ReadyToStart() {
    // Run brings the window back from the log shown on demand, whether a job starts or not.
    if (logShownWhileIdle_) ShowLogWhileIdle(false);
    if (!SelectedTracks()) {
        ShowMessageBox(this, ConsoleTexts::ChooseATrack());
        return false;
    }
    // A value out of range has been shown to the operator; a job on it is not started.
    return UpdateData(true);
}

void CCardDemoDlg::StartJob() {
    LockForJob();
    FillJobFromControls();
    job_.Verify = verifyAfterWrite_ ? 1 : 0;
    job_.Digits = runDigits_;
    job_.JournalFile = journal_.get();
    StartWorker();
}

std::optional<TrackSet> CCardDemoDlg::SelectedTracks() const {
    std::optional<TrackSet> tracks;
    for (std::size_t i = 0; i < kTrackToggles.size(); ++i) {
        if (Control<QPushButton>(kTrackToggles[i])->isChecked()) tracks = kTrackSets[i];
    }
    return tracks;
}

void CCardDemoDlg::LockForJob() {
    for (const LockedControl& control : kJobLocks) {
        QWidget* widget = Control<QWidget>(control.id);
        if (control.lock == JobLock::Hide) {
            widget->hide();
        } else {
            widget->setEnabled(false);
        }
    }

    PlaceLogOverTracks();

    Control<QWidget>(IDC_RUN)->setEnabled(false);
    Control<QWidget>(IDC_STOP)->setEnabled(true);
    jobRunning_ = true;
    UpdateCommandStates();
}

void CCardDemoDlg::PlaceLogOverTracks() {
    LogView* log = logView_;
    const double dpi = logicalDpiX();
    log->setGeometry(PixelsAtDpi(kLogLeft, dpi), PixelsAtDpi(kLogTop, dpi),
                     PixelsAtDpi(kLogWidth, dpi), PixelsAtDpi(kLogHeight, dpi));
    log->show();
    log->raise();
    log->repaint();
}

void CCardDemoDlg::SetTrackAreaHidden(bool hidden) {
    for (const LockedControl& control : kJobLocks) {
        if (control.lock == JobLock::Hide) Control<QWidget>(control.id)->setVisible(!hidden);
    }
}

void CCardDemoDlg::FillJobFromControls() {
    job_.PortName = Control<QComboBox>(IDC_PORT)->currentText().toStdString();
    job_.CommSettings = QStringLiteral("baud=%1 parity=%2 data=%3 stop=%4")
                            .arg(Control<QComboBox>(IDC_BAUD)->currentText(),
                                 Control<QComboBox>(IDC_PARITY)->currentText(),
                                 Control<QComboBox>(IDC_DATA_BITS)->currentText(),
                                 Control<QComboBox>(IDC_STOP_BITS)->currentText())
                            .toStdString();
    if (const auto tracks = SelectedTracks()) job_.Tracks = SelectionOf(tracks);
    job_.LowCoercivity = Control<QComboBox>(IDC_COERCIVITY)->currentIndex() == 0 ? 1 : 0;
    job_.IsoFormat = Control<QComboBox>(IDC_FORMAT)->currentIndex() == 1 ? 1 : 0;
    job_.LowDensity = Control<QComboBox>(IDC_DENSITY)->currentIndex() == 0 ? 1 : 0;
    job_.Continuous = Control<QCheckBox>(IDC_CONTINUOUS)->isChecked() ? 1 : 0;
}

void CCardDemoDlg::StartWorker() {
    ReapWorker();
    job_.Console = windowConsole_.get();
    const int jobNumber = ++jobNumber_;
    job_.JobNumber = jobNumber;
    worker_.reset(QThread::create([this] { CardWorker(&job_, timeouts_); }));
    connect(worker_.get(), &QThread::finished, this, [this, jobNumber] {
        if (jobNumber == jobNumber_) OnWorkerFinished();
    });
    worker_->start();
}

void CCardDemoDlg::StopJob() {
    job_.StopFlag = 1;
}

void CCardDemoDlg::OnJobMessage(uint32_t message) {
    if (message == WM_LOG_REFRESH) OnLogRefresh();
    if (message == WM_JOB_DONE) OnJobDone();
}

void CCardDemoDlg::OnJobDone() {
    jobRunning_ = false;
    if (modeBeforeErase_) {
        job_.Erase = 0;
        job_.Mode = *std::exchange(modeBeforeErase_, std::nullopt);
    }
    for (const LockedControl& control : kJobLocks) {
        QWidget* widget = Control<QWidget>(control.id);
        if (control.lock == JobLock::Hide) {
            widget->show();
        } else if (control.lock == JobLock::Disable) {
            widget->setEnabled(true);
        }
    }
    Control<QWidget>(IDC_LOG)->hide();
    ApplyModelRule();
    Control<QWidget>(IDC_RUN)->setEnabled(true);
    Control<QWidget>(IDC_STOP)->setEnabled(false);
    silenceMark_.clear();
    UpdateCommandStates();
    // The log box has gone with the job: a port that failed is not left to the log alone.
    // A failed journal is turned off first, so that a list's end box does not point at it.
    if (!job_.JournalFailure.empty()) OnJournalFailed();
    ShowJobEnd();
}

void CCardDemoDlg::OnLogRefresh() {
    UpdateData(false);
}

TrackTexts CCardDemoDlg::TrackTextsForJob() const {
    return {ScreenTextToGbk(TrackBox(0)->toPlainText()),
            ScreenTextToGbk(TrackBox(1)->toPlainText()),
            ScreenTextToGbk(TrackBox(2)->toPlainText())};
}

void CCardDemoDlg::OnWorkerFinished() {
    ReapWorker();
    if (pendingClose_) {
        const int result = *pendingClose_;
        pendingClose_.reset();
        QDialog::done(result);
    }
}

void CCardDemoDlg::ReapWorker() {
    if (!worker_) return;
    worker_->wait();
    worker_.reset();
}

void CCardDemoDlg::done(int result) {
    // The worker borrows the job record and this window: the window goes only after the
    // job has ended, and closing asks the job to end.
    if (worker_) {
        if (jobRunning_) job_.StopFlag = 1;
        pendingClose_ = result;
        return;
    }
    QDialog::done(result);
}

void CCardDemoDlg::EndJobBeforeDestruction() {
    if (!worker_) return;
    windowConsole_->Detach();
    if (jobRunning_) job_.StopFlag = 1;
    // A worker may be waiting on a call into this thread; answer those (they do nothing
    // once detached) until it has ended.
    while (!worker_->wait(QDeadlineTimer(20))) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    worker_.reset();
}
