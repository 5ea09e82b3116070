#include "job_tally.h"

#include "cardctl_text.h"

namespace {

bool AnyTrackIs(const CardRecord& record, TrackStatus status) {
    for (int track = 1; track <= kTrackCount; ++track) {
        if (record.Status(track) == status) return true;
    }
    return false;
}

}  // namespace

void JobTally::Add(const CardRecord& record) {
    if (record.kind == CardKind::Read) {
        ++read;
    } else if (AllTracksOk(record)) {
        ++confirmed;
    } else if (AnyTrackIs(record, TrackStatus::VerifyFailed)) {
        ++verifyFailed;
    } else {
        ++notConfirmed;
    }
}

std::string ProgressLine(const JobTally& tally, int total) {
    return CardctlText::tr("%1/%2 cards, %3 not confirmed")
        .arg(tally.confirmed)
        .arg(total)
        .arg(tally.notConfirmed + tally.verifyFailed)
        .toStdString();
}

std::string AwaitingLine(const JobTally& tally, int card, int total) {
    return CardctlText::tr("swipe card %1 of %2 to write; %3")
        .arg(QString::number(card), QString::number(total),
             QString::fromStdString(ProgressLine(tally, total)))
        .toStdString();
}

std::string ReadCountLine(const JobTally& tally) {
    const QString text =
        tally.read == 1 ? CardctlText::tr("%1 card read") : CardctlText::tr("%1 cards read");
    return text.arg(tally.read).toStdString();
}
