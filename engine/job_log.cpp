#include "job_log.h"

void RefreshLog(CardJob& job) {
    job.Console->Deliver(WM_LOG_REFRESH, kJobMessageWParam, kJobMessageLParam);
}

void AppendLog(CardJob& job, std::string_view gbkText) {
    {
        const std::lock_guard<std::mutex> appending(job.JobLogLock);
        job.JobLog.append(gbkText);
    }
    RefreshLog(job);
}
