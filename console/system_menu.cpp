#include "system_menu.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "about_dlg.h"

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Passes the window's system commands of the About entry on; the rest keep their
// default handling.
struct SystemMenu::NativeFilter : QAbstractNativeEventFilter {
    NativeFilter(HWND window, std::function<void(int)> onCommand)
        : window(window), onCommand(std::move(onCommand)) {}

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override {
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != window || msg->message != WM_SYSCOMMAND) return false;
        const int id = static_cast<int>(msg->wParam);
        if (!IsAboutCommand(id)) return false;
        onCommand(id);
        *result = 0;
        return true;
    }

    HWND window;
    std::function<void(int)> onCommand;
};

SystemMenu::SystemMenu(QWidget& window, const QString& aboutText,
                       std::function<void(int)> onCommand)
    : QObject(&window) {
    if (aboutText.isEmpty()) return;
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    HMENU menu = GetSystemMenu(handle, FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, AboutMenuCommand,
                reinterpret_cast<const wchar_t*>(aboutText.utf16()));
    nativeFilter_ = std::make_unique<NativeFilter>(handle, std::move(onCommand));
    QCoreApplication::instance()->installNativeEventFilter(nativeFilter_.get());
}

SystemMenu::~SystemMenu() {
    if (nativeFilter_) QCoreApplication::instance()->removeNativeEventFilter(nativeFilter_.get());
}

#else

struct SystemMenu::NativeFilter {};

SystemMenu::SystemMenu(QWidget& window, const QString& aboutText,
                       std::function<void(int)> onCommand)
    : QObject(&window) {
    if (aboutText.isEmpty()) return;
    contextMenu_ = new QMenu(&window);
    // As in the system menu; the context menu hides a separator that leads it.
    contextMenu_->addSeparator();
    QAction* about = contextMenu_->addAction(aboutText);
    connect(about, &QAction::triggered, this,
            [onCommand = std::move(onCommand)] { onCommand(AboutMenuCommand); });
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, this,
            [this, &window](const QPoint& pos) { contextMenu_->popup(window.mapToGlobal(pos)); });
}

SystemMenu::~SystemMenu() = default;

#endif
