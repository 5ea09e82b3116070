#include "recording_console.h"

void RecordingConsole::Record(Event event) {
    event.when = std::chrono::steady_clock::now();
    std::function<void(const Event&)> hook;
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        hook = hook_;
    }
    if (hook) hook(event);
}

void RecordingConsole::Deliver(uint32_t message, intptr_t wParam, intptr_t lParam) {
    Event event{Event::Kind::Message, message, wParam, lParam, {}, {}};
    if (job_ != nullptr && message == WM_LOG_REFRESH) event.text = job_->JobLog;
    Record(event);
}

TrackTexts RecordingConsole::CurrentTrackTexts() {
    Record({Event::Kind::TrackTexts, 0, 0, 0, {}, {}});
    std::lock_guard lock(mutex_);
    return texts_;
}

void RecordingConsole::ShowMessageBox(const std::string& gbkText) {
    Record({Event::Kind::MessageBox, 0, 0, 0, gbkText, {}});
}

void RecordingConsole::SetTrackTexts(TrackTexts texts) {
    std::lock_guard lock(mutex_);
    texts_ = std::move(texts);
}

void RecordingConsole::OnMessage(std::function<void(const Event&)> hook) {
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

std::vector<RecordingConsole::Event> RecordingConsole::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

int RecordingConsole::Count(uint32_t message) const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& event : events_)
        count += event.kind == Event::Kind::Message && event.message == message;
    return count;
}

std::vector<std::string> RecordingConsole::MessageBoxes() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const auto& event : events_) {
        if (event.kind == Event::Kind::MessageBox) texts.push_back(event.text);
    }
    return texts;
}
