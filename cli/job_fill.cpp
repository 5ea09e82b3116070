#include "job_fill.h"

#include "list_write.h"

void FillJob(CardJob& job, const CliOptions& options, const DeviceProfile& profile, int mode) {
    const JobSettings& settings = options.job;
    job.Profile = profile;
    job.MaxTries = options.maxTries;
    job.Verify = options.verify ? 1 : 0;
    job.PortName = settings.portName;
    job.CommSettings = settings.lineSettings;
    job.Tracks = SelectionOf(settings.tracks);
    job.IsoFormat = settings.isoFormat ? 1 : 0;
    job.LowDensity = settings.lowDensity ? 1 : 0;
    job.LowCoercivity = settings.lowCoercivity ? 1 : 0;
    job.Mode = mode;
    job.Erase = options.command == CliCommand::Erase ? 1 : 0;
    if (options.command != CliCommand::Run) return;
    const RunNumbering& numbering = options.numbering;
    job.Continuous = 1;
    job.Count = numbering.count;
    job.Track1Start = numbering.start1;
    job.Track1Increment = numbering.step1;
    job.Track2Start = numbering.start2;
    job.Track2Increment = numbering.step2;
    job.Track3Start = numbering.start3;
    job.Track3Increment = numbering.step3;
    job.Digits = numbering.digits;
}

void FillListWrite(CardJob& job, const std::vector<ListCard>& cards, int listSize) {
    job.Mode = 0;
    job.Continuous = 0;
    SetCardList(job, cards, listSize);
}

std::vector<int> JobModesOf(CliCommand command) {
    if (command == CliCommand::Read) return {1};
    if (command == CliCommand::Clone) return {1, 0};
    return {0};
}
