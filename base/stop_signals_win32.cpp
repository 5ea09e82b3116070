#include <windows.h>

#include <QMetaObject>
#include <QSocketNotifier>
#include <atomic>
#include <cassert>

#include "stop_signals.h"

namespace {

std::atomic<int> gCount{0};
StopSignals* gInstance = nullptr;
// Set when the instance goes: the job has ended, its device reset and its files written.
// Never closed: a handler may still be waiting on it as the process ends.
HANDLE gDone = nullptr;

// The system calls this on a thread of its own: it only counts and posts to the event loop.
BOOL WINAPI OnConsoleControl(DWORD event) {
    const bool closing =
        event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    if (!closing && event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    gCount.fetch_add(1);
    QMetaObject::invokeMethod(
        gInstance, [] { emit gInstance->Received(); }, Qt::QueuedConnection);
    // The system ends the process as soon as this returns from a closing console, so it
    // returns once the job has ended as on Ctrl+C (or when the system's own few seconds
    // are up).
    if (closing) WaitForSingleObject(gDone, INFINITE);
    return TRUE;
}

}  // namespace

StopSignals::StopSignals(Watched watched) {
    assert(gInstance == nullptr && "one StopSignals at a time");
    gInstance = this;
    gCount = 0;
    if (gDone == nullptr) gDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(gDone);
    // A window has no console keys to watch; Windows ends it at a logout as any window.
    if (watched == Watched::Terminal) SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

StopSignals::~StopSignals() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    gInstance = nullptr;
    SetEvent(gDone);
}

void StopSignals::Drain() {
    count_ = gCount.load();
    if (count_ > 0 && first_ == Kind::None) first_ = Kind::Interrupt;
}
