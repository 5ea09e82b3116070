#include "write_job.h"

JobEnding RunSingleWrite(CardJob& job, SerialLink& link) {
    (void)job;
    (void)link;
    return JobEnding::Normal;
}
