#include "system_menu.h"

#include <QAction>
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

// The system menu is Windows' own, opened by Alt+Space or the title bar. Its commands are
// taken in the window's own native events: Qt hands an application's native filters a
// WM_SYSCOMMAND only when its loop takes a posted one from the queue, never a sent one nor
// the one its own Alt+Space menu passes straight to the window procedure.
SystemMenu::SystemMenu(QWidget& window, const std::vector<MenuEntry>& entries,
                       const QString& aboutText, std::function<void(int)> onCommand)
    : QObject(&window), onCommand_(std::move(onCommand)), hasAbout_(!aboutText.isEmpty()) {
    actions_ = CreateActions(window, entries, onCommand_);
    if (entries.empty() && aboutText.isEmpty()) return;
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (menu == nullptr) return;
    for (const MenuEntry& entry : entries) {
        if (&entry == &entries.front()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        QString text = entry.text;
        if (!entry.shortcut.isEmpty()) {
            text += u'\t';
            text += entry.shortcut.toString(QKeySequence::NativeText);
        }
        AppendMenuW(menu, MF_STRING, entry.id, reinterpret_cast<const wchar_t*>(text.utf16()));
        // The menu item follows its action, whatever changes it.
        QAction* action = EntryAction(entry.id);
        connect(action, &QAction::changed, this, [menu, action, id = UINT(entry.id)] {
            EnableMenuItem(menu, id, MF_BYCOMMAND | (action->isEnabled() ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(menu, id,
                          MF_BYCOMMAND | (action->isChecked() ? MF_CHECKED : MF_UNCHECKED));
        });
    }
    if (hasAbout_) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, AboutMenuCommand,
                    reinterpret_cast<const wchar_t*>(aboutText.utf16()));
    }
    takesCommands_ = true;
}

bool SystemMenu::TakeSystemCommand(void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (!takesCommands_ || msg->message != WM_SYSCOMMAND) return false;
    const int id = static_cast<int>(msg->wParam & 0xFFFF);
    if (!(hasAbout_ && IsAboutCommand(id)) && EntryAction(id & 0xFFF0) == nullptr) return false;
    onCommand_(id);
    *result = 0;
    return true;
}

#else

SystemMenu::SystemMenu(QWidget& window, const std::vector<MenuEntry>& entries,
                       const QString& aboutText, std::function<void(int)> onCommand)
    : QObject(&window), onCommand_(std::move(onCommand)), hasAbout_(!aboutText.isEmpty()) {
    actions_ = CreateActions(window, entries, onCommand_);
    if (entries.empty() && aboutText.isEmpty()) return;
    contextMenu_ = new QMenu(&window);
    // As in the system menu; the context menu hides a separator that leads it.
    contextMenu_->addSeparator();
    for (const auto& [id, action] : actions_) contextMenu_->addAction(action);
    if (hasAbout_) {
        if (!actions_.empty()) contextMenu_->addSeparator();
        QAction* about = contextMenu_->addAction(aboutText);
        connect(about, &QAction::triggered, this, [this] { onCommand_(AboutMenuCommand); });
    }
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, this,
            [this, &window](const QPoint& pos) { contextMenu_->popup(window.mapToGlobal(pos)); });
    // The key of the system menu on Windows opens the menu at the window's corner, wherever
    // the focus is; a control's own context menu would hide it from the menu key.
    auto* opener = new QAction(&window);
    opener->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    opener->setShortcutContext(Qt::WindowShortcut);
    window.addAction(opener);
    connect(opener, &QAction::triggered, this,
            [this, &window] { contextMenu_->popup(window.mapToGlobal(QPoint(0, 0))); });
}

bool SystemMenu::TakeSystemCommand(void*, qintptr*) {
    return false;
}

#endif

void SystemMenu::SetEntryEnabled(int id, bool enabled) {
    if (QAction* action = EntryAction(id)) action->setEnabled(enabled);
}

void SystemMenu::SetEntryChecked(int id, bool checked) {
    if (QAction* action = EntryAction(id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}
