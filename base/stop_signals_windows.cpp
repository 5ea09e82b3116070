#include "stop_signals.h"

StopSignals::StopSignals(Watched) {}
StopSignals::~StopSignals() = default;
int StopSignals::Count() {
    return 0;
}
StopSignals::Kind StopSignals::First() {
    return Kind::None;
}
void StopSignals::Drain() {}
