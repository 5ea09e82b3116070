#pragma once

#include <QObject>
#include <atomic>
#include <functional>

#include "card_job.h"

// The worker's view of the console window. Every call runs on the window's thread while
// the worker waits, so the window reads and shows the job's data only at moments the
// worker has chosen. Once detached (the window is going), calls return at once and do
// nothing, so a worker can always run to its end.
class WindowConsole : public Console {
  public:
    struct Handlers {
        std::function<void(uint32_t message)> message;
        std::function<TrackTexts()> trackTexts;
        std::function<void(const std::string& gbkText)> messageBox;
        std::function<void(const Console::Silence& silence)> silence;
    };

    WindowConsole(QObject& window, Handlers handlers);

    void Deliver(uint32_t message, intptr_t wParam, intptr_t lParam) override;
    TrackTexts CurrentTrackTexts() override;
    void ShowMessageBox(const std::string& gbkText) override;
    // Queued: the window learns of it at its next turn, and the worker reads on meanwhile.
    void DeviceSilence(const Silence& silence) override;

    void Detach() { detached_ = true; }

  private:
    // Runs `call` on the window's thread and waits for it. Never blocks the window's own
    // thread on itself: called there, it runs the call directly.
    void RunOnWindowThread(const std::function<void()>& call);

    QObject& window_;
    Handlers handlers_;
    std::atomic<bool> detached_{false};
};
