#include <windows.h>

#include <QMetaObject>
#include <QSocketNotifier>
#include <atomic>
#include <cassert>

#include "stop_signals.h"

namespace {

std::atomic<int> gCount{0};
StopSignals* gInstance = nullptr;

// The system calls this on a thread of its own: it only counts and posts to the event loop.
BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    gCount.fetch_add(1);
    QMetaObject::invokeMethod(
        gInstance, [] { emit gInstance->Received(); }, Qt::QueuedConnection);
    return TRUE;
}

}  // namespace

StopSignals::StopSignals() {
    assert(gInstance == nullptr && "one StopSignals at a time");
    gInstance = this;
    gCount = 0;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

StopSignals::~StopSignals() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    gInstance = nullptr;
}

void StopSignals::Drain() {
    count_ = gCount.load();
}

int StopSignals::Count() {
    Drain();
    return count_;
}
