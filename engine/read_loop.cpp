#include "read_loop.h"

#include "job_log.h"
#include "job_records.h"
#include "read_entry.h"

JobEnding RunReadLoop(CardJob& job, DeviceFamily& device) {
    // Without a tail byte no reply could ever end; say so once instead of reading forever.
    if (RefuseJob(job)) return JobEnding::WithoutPause;

    const std::unique_ptr<CardReader> reader = device.StartReading();
    int successNumber = 1;
    while (true) {
        CardTracks card;
        switch (reader->AwaitCard(card)) {
            case CardReader::Wait::Card: {
                const ReadEntry entry = MakeCardEntry(TrackSetOf(job.Tracks), card, successNumber);
                AddCardRecord(job, CardKind::Read, entry.tracks);
                successNumber += entry.successes;
                // One refresh per reply, also when the selection logs nothing.
                AppendLog(job, entry.text);
                break;
            }
            case CardReader::Wait::Again:
                break;
            case CardReader::Wait::Stopped:
            case CardReader::Wait::Ended:
                return JobEnding::WithoutPause;
        }
    }
}
