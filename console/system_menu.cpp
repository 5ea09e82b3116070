#include "system_menu.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "about_dlg.h"
#include "shortcut_priority.h"

namespace {

// The actions carry the shortcuts on every platform: the window owns them, and they win
// over the keys a control keeps, so their keys work wherever the focus is in it.
std::vector<std::pair<int, QAction*>> CreateActions(QWidget& window,
                                                    const std::vector<MenuEntry>& entries,
                                                    const std::function<void(int)>& onCommand) {
    std::vector<std::pair<int, QAction*>> actions;
    if (!entries.empty()) new ShortcutPriority(window);
    for (const MenuEntry& entry : entries) {
        auto* action = new QAction(entry.text, &window);
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window,
                         [onCommand, id = entry.id] { onCommand(id); });
        actions.emplace_back(entry.id, action);
    }
    return actions;
}

}  // namespace

SystemMenu::SystemMenu(QWidget& window, const QString& aboutText,
                       std::function<void(int)> onCommand)
    : SystemMenu(window, {}, aboutText, std::move(onCommand)) {}

QAction* SystemMenu::EntryAction(int id) const {
    const auto found = std::find_if(actions_.begin(), actions_.end(),
                                    [id](const auto& entry) { return entry.first == id; });
    return found == actions_.end() ? nullptr : found->second;
}

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Passes the window's system commands of its entries on; the rest keep their default
// handling.
struct SystemMenu::NativeFilter : QAbstractNativeEventFilter {
    NativeFilter(HWND window, HMENU menu, std::vector<int> ids, std::function<void(int)> onCommand)
        : window(window), menu(menu), ids(std::move(ids)), onCommand(std::move(onCommand)) {}

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override {
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != window || msg->message != WM_SYSCOMMAND) return false;
        const int id = static_cast<int>(msg->wParam);
        const bool ours =
            IsAboutCommand(id) || std::find(ids.begin(), ids.end(), id & 0xFFF0) != ids.end();
        if (!ours) return false;
        onCommand(id);
        *result = 0;
        return true;
    }

    HWND window;
    HMENU menu;
    std::vector<int> ids;
    std::function<void(int)> onCommand;
};

SystemMenu::SystemMenu(QWidget& window, const std::vector<MenuEntry>& entries,
                       const QString& aboutText, std::function<void(int)> onCommand)
    : QObject(&window) {
    actions_ = CreateActions(window, entries, onCommand);
    if (entries.empty() && aboutText.isEmpty()) return;
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    HMENU menu = GetSystemMenu(handle, FALSE);
    if (menu == nullptr) return;
    std::vector<int> ids;
    for (const MenuEntry& entry : entries) {
        if (ids.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        QString text = entry.text;
        if (!entry.shortcut.isEmpty()) {
            text += u'\t';
            text += entry.shortcut.toString(QKeySequence::NativeText);
        }
        AppendMenuW(menu, MF_STRING, entry.id, reinterpret_cast<const wchar_t*>(text.utf16()));
        ids.push_back(entry.id);
    }
    if (!aboutText.isEmpty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, AboutMenuCommand,
                    reinterpret_cast<const wchar_t*>(aboutText.utf16()));
    }
    nativeFilter_ =
        std::make_unique<NativeFilter>(handle, menu, std::move(ids), std::move(onCommand));
    QCoreApplication::instance()->installNativeEventFilter(nativeFilter_.get());
}

SystemMenu::~SystemMenu() {
    if (nativeFilter_) QCoreApplication::instance()->removeNativeEventFilter(nativeFilter_.get());
}

void SystemMenu::SetEntryEnabled(int id, bool enabled) {
    if (QAction* action = EntryAction(id)) action->setEnabled(enabled);
    if (nativeFilter_) {
        EnableMenuItem(nativeFilter_->menu, static_cast<UINT>(id),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void SystemMenu::SetEntryChecked(int id, bool checked) {
    if (QAction* action = EntryAction(id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
    if (nativeFilter_) {
        CheckMenuItem(nativeFilter_->menu, static_cast<UINT>(id),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

#else

struct SystemMenu::NativeFilter {};

SystemMenu::SystemMenu(QWidget& window, const std::vector<MenuEntry>& entries,
                       const QString& aboutText, std::function<void(int)> onCommand)
    : QObject(&window) {
    actions_ = CreateActions(window, entries, onCommand);
    if (entries.empty() && aboutText.isEmpty()) return;
    contextMenu_ = new QMenu(&window);
    // As in the system menu; the context menu hides a separator that leads it.
    contextMenu_->addSeparator();
    for (const auto& [id, action] : actions_) contextMenu_->addAction(action);
    if (!aboutText.isEmpty()) {
        if (!actions_.empty()) contextMenu_->addSeparator();
        QAction* about = contextMenu_->addAction(aboutText);
        connect(about, &QAction::triggered, this,
                [onCommand = std::move(onCommand)] { onCommand(AboutMenuCommand); });
    }
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, this,
            [this, &window](const QPoint& pos) { contextMenu_->popup(window.mapToGlobal(pos)); });
}

SystemMenu::~SystemMenu() = default;

void SystemMenu::SetEntryEnabled(int id, bool enabled) {
    if (QAction* action = EntryAction(id)) action->setEnabled(enabled);
}

void SystemMenu::SetEntryChecked(int id, bool checked) {
    if (QAction* action = EntryAction(id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

#endif
