#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "card_job.h"

// A console for engine tests: answers the worker at once and records every call.
class RecordingConsole : public Console {
  public:
    struct Event {
        enum class Kind { Message, MessageBox, TrackTexts } kind;
        uint32_t message = 0;
        intptr_t wParam = 0;
        intptr_t lParam = 0;
        std::string text;  // message box text, or the job log at a WM_LOG_REFRESH
        std::chrono::steady_clock::time_point when;
    };

    explicit RecordingConsole(CardJob* job = nullptr) : job_(job) {}

    void Deliver(uint32_t message, intptr_t wParam, intptr_t lParam) override;
    TrackTexts CurrentTrackTexts() override;
    void ShowMessageBox(const std::string& gbkText) override;

    // What the track boxes hold (GBK) when a write job asks.
    void SetTrackTexts(TrackTexts texts);
    // Called on the worker thread after each recorded message (for stopping at a chosen
    // moment); the console's lock is not held then.
    void OnMessage(std::function<void(const Event&)> hook);

    std::vector<Event> Events() const;
    int Count(uint32_t message) const;
    std::vector<std::string> MessageBoxes() const;

  private:
    void Record(Event event);
    CardJob* job_;
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    TrackTexts texts_;
    std::function<void(const Event&)> hook_;
};
