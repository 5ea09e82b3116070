#include "stop_signals.h"

// Each platform's Drain takes in what its handler counted.

int StopSignals::Count() {
    Drain();
    return count_;
}

StopSignals::Kind StopSignals::First() {
    Drain();
    return first_;
}
