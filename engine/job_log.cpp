#include "job_log.h"

void RefreshLog(CardJob& job) {
    job.Console->SendMessage(WM_LOG_REFRESH, kJobMessageWParam, kJobMessageLParam);
}

void AppendLog(CardJob& job, std::string_view gbkText) {
    job.JobLog.append(gbkText);
    RefreshLog(job);
}

void SendSlot(SerialLink& link, const CommandSlot& slot) {
    SendBytes(link, slot.View());
}

void SendBytes(SerialLink& link, std::string_view bytes) {
    if (bytes.empty()) return;
    link.Write(reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<int32_t>(bytes.size()));
}
