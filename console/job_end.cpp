// What the window says when a job has ended: the log box goes with the job, so an ending
// the operator must know about is put in a box of its own.
#include <QStringList>
#include <algorithm>

#include "card_demo_dlg.h"
#include "console_texts.h"
#include "gbk.h"
#include "message_box.h"

namespace {

// The cards of the job that the device confirmed (and that read back as written).
int ConfirmedCards(const CardJob& job) {
    int confirmed = 0;
    for (auto record = job.Records.rbegin();
         record != job.Records.rend() && record->job == job.JobNumber; ++record) {
        if (record->kind == CardKind::Write && AllTracksOk(*record)) ++confirmed;
    }
    return confirmed;
}

}  // namespace

void CCardDemoDlg::ShowJobEnd() {
    QStringList endings;
    // A port that failed points at what can tell what answers on it.
    if (!job_.PortFailure.empty())
        endings << GbkScreenDecoder().Decode(job_.PortFailure) + u'\n' + ConsoleTexts::ProbeHint();
    if (!job_.TriesExhausted.empty()) endings << GbkScreenDecoder().Decode(job_.TriesExhausted);
    if (!job_.CardList.empty()) {
        // A list, however it ended, says where it stands and how to go on, in one box. A
        // resumed list counts the cards written before as the journal showed them.
        const int toWrite = static_cast<int>(job_.CardList.size());
        const int total = std::max(job_.CardListTotal, toWrite);
        endings << ConsoleTexts::ListEnd(total - toWrite + ConfirmedCards(job_), total,
                                         journal_ != nullptr);
        ShowMessageBox(this, endings.join(u'\n'));
        return;
    }
    for (const QString& ending : endings) ShowMessageBox(this, ending);
    if (!job_.VerifyFailure.empty()) {
        ShowMessageBox(this,
                       ConsoleTexts::VerifyFailed(GbkScreenDecoder().Decode(job_.VerifyFailure)));
    }
}
