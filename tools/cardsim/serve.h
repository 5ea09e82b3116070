#pragma once

#include <csignal>

class Dispatcher;
class PtyPort;
class Transcript;

// Passes what the console sends to the dispatcher and sends what the device answers, each
// piece at its time, until `stopRequested` is set (a signal) or the line fails. Returns
// the program's exit status.
int Serve(PtyPort& port, Dispatcher& dispatcher, Transcript& transcript,
          const volatile std::sig_atomic_t& stopRequested);
