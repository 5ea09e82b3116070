#include "read_loop.h"

#include "device_commands.h"
#include "job_keys.h"
#include "job_log.h"
#include "job_records.h"
#include "read_entry.h"
#include "read_reply.h"

JobEnding RunReadLoop(CardJob& job, DeviceLink& link) {
    // Without a tail byte no reply could ever end; say so once instead of reading forever.
    if (RefuseMissingKeys(job)) return JobEnding::WithoutPause;

    ReplyReader reader(
        job.Profile,
        [&link](unsigned char* buffer, int32_t count) { return link.Read(buffer, count); },
        [&] { return job.StopFlag.load() != 0 || link.IsBroken(); });
    const auto commandKey = ReadCommandKey(TrackSetOf(job.Tracks));
    const CommandSlot* command = commandKey != nullptr ? &(job.Profile.*commandKey) : nullptr;
    int successNumber = 1;
    while (true) {
        // Sent again after every card and after every fruitless wait.
        if (command != nullptr) SendSlot(link, *command);
        switch (reader.AwaitReply()) {
            case ReplyReader::Outcome::Reply: {
                const ReadEntry entry =
                    MakeReadEntry(TrackSetOf(job.Tracks), reader.Data(), job.Profile, successNumber);
                AddCardRecord(job, CardKind::Read, entry.tracks);
                successNumber += entry.successes;
                // One refresh per reply, also when the selection logs nothing.
                AppendLog(job, entry.text);
                break;
            }
            case ReplyReader::Outcome::Resend:
                break;
            case ReplyReader::Outcome::End:
                ReportIfBroken(job, link);
                return JobEnding::WithoutPause;
        }
    }
}
