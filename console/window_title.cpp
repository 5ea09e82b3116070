// What the window's title says besides its caption: that the journal is on, and which
// device has gone silent during a job.
#include <QFileInfo>

#include "card_demo_dlg.h"
#include "console_texts.h"

void CCardDemoDlg::UpdateWindowTitle() {
    QString title = caption_;
    if (journal_) title += ConsoleTexts::JournalTitleMark(QFileInfo(journal_->Path()).fileName());
    title += silenceMark_;
    setWindowTitle(title);
}

void CCardDemoDlg::OnDeviceSilence(const Console::Silence& silence) {
    // Told while the job runs; its end takes the mark away.
    silenceMark_ = silence.silent && jobRunning_ ? ConsoleTexts::DeviceSilentTitleMark(
                                                       QString::fromStdString(silence.portName),
                                                       QString::fromStdString(silence.devicePath))
                                                 : QString();
    UpdateWindowTitle();
}
