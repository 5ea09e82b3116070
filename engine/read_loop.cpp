#include "read_loop.h"

JobEnding RunReadLoop(CardJob& job, SerialLink& link) {
    (void)job;
    (void)link;
    return JobEnding::WithoutPause;
}
