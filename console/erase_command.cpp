// Erasing a card's tracks from the window's menu: the tracks are asked for, then the job
// waits for the card as a write does, and Stop ends it.
#include <QInputDialog>

#include "card_demo_dlg.h"
#include "console_texts.h"
#include "device_family.h"
#include "gbk.h"
#include "message_box.h"
#include "write_plan.h"

void CCardDemoDlg::EraseCard() {
    if (logShownWhileIdle_) ShowLogWhileIdle(false);
    QStringList choices;
    for (const TrackSet tracks : kTrackSets)
        choices << ConsoleTexts::TracksName(QString::fromStdString(PlanFor(tracks)->label));
    const std::optional<TrackSet> selected = SelectedTracks();
    int current = 0;
    for (std::size_t i = 0; i < kTrackSets.size(); ++i) {
        if (kTrackSets[i] == selected) current = static_cast<int>(i);
    }
    bool chosen = false;
    const QString choice = QInputDialog::getItem(
        this, windowTitle(), ConsoleTexts::EraseTracksQuestion(), choices, current, false, &chosen);
    if (!chosen) return;
    const TrackSet tracks = kTrackSets[static_cast<std::size_t>(choices.indexOf(choice))];

    FillJobFromControls();
    job_.Tracks = SelectionOf(tracks);
    job_.CardList.clear();
    job_.Verify = 0;
    modeBeforeErase_ = job_.Mode;
    job_.Mode = 0;
    job_.Erase = 1;
    // A profile that cannot erase is told before the window locks for a job.
    if (const std::string refusal = ChecksOf(job_.Profile).Refusal(job_); !refusal.empty()) {
        job_.Erase = 0;
        job_.Mode = *std::exchange(modeBeforeErase_, std::nullopt);
        ShowMessageBox(this, GbkScreenDecoder().Decode(refusal).trimmed());
        return;
    }
    LockForJob();
    StartWorker();
}
