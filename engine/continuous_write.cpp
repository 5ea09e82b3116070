#include "continuous_write.h"

JobEnding RunContinuousWrite(CardJob& job, SerialLink& link) {
    (void)job;
    (void)link;
    return JobEnding::Normal;
}
