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

StopSignals::StopSignals(Watched watched) {
    assert(gInstance == nullptr && "one StopSignals at a time");
    gInstance = this;
    gCount = 0;
    // A window has no console keys to watch; Windows ends it at a logout as any window.
    if (watched == Watched::Terminal) SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

StopSignals::~StopSignals() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    gInstance = nullptr;
}

void StopSignals::Drain() {
    count_ = gCount.load();
    if (count_ > 0 && first_ == Kind::None) first_ = Kind::Interrupt;
}
