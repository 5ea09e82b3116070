#include "device_family.h"

#include "command_family.h"
#include "esc_block_family.h"
#include "job_log.h"
#include "job_texts.h"

const FamilyChecks& ChecksOf(const DeviceProfile& profile) {
    return profile.Protocol.family == DeviceFamilyKind::EscBlock ? EscBlockChecks()
                                                                 : CommandFamilyChecks();
}

std::unique_ptr<DeviceFamily> MakeDeviceFamily(CardJob& job, SerialLink& link) {
    return job.Profile.Protocol.family == DeviceFamilyKind::EscBlock ? MakeEscBlockFamily(job, link)
                                                                     : MakeCommandFamily(job, link);
}

bool RefuseJob(CardJob& job) {
    const std::string text = ChecksOf(job.Profile).Refusal(job);
    if (text.empty()) return false;
    AppendLog(job, text + JobTexts::HyphenLine());
    return true;
}
