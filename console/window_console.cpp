#include "window_console.h"

#include <QMetaObject>
#include <QThread>

WindowConsole::WindowConsole(QObject& window, Handlers handlers)
    : window_(window), handlers_(std::move(handlers)) {}

void WindowConsole::RunOnWindowThread(const std::function<void()>& call) {
    if (detached_) return;
    if (QThread::currentThread() == window_.thread()) {
        // A blocking call into our own thread would wait on itself for ever.
        Q_ASSERT_X(false, "WindowConsole", "called on the window's own thread");
        call();
        return;
    }
    QMetaObject::invokeMethod(
        &window_,
        [this, &call] {
            if (!detached_) call();
        },
        Qt::BlockingQueuedConnection);
}

void WindowConsole::Deliver(uint32_t message, intptr_t, intptr_t) {
    RunOnWindowThread([&] { handlers_.message(message); });
}

TrackTexts WindowConsole::CurrentTrackTexts() {
    TrackTexts texts;
    RunOnWindowThread([&] { texts = handlers_.trackTexts(); });
    return texts;
}

void WindowConsole::ShowMessageBox(const std::string& gbkText) {
    RunOnWindowThread([&] { handlers_.messageBox(gbkText); });
}

void WindowConsole::DeviceSilence(const Silence& silence) {
    if (detached_) return;
    QMetaObject::invokeMethod(
        &window_,
        [this, silence] {
            if (!detached_) handlers_.silence(silence);
        },
        Qt::QueuedConnection);
}
