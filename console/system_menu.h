#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// One of the window's own commands: its menu text, and the keys that run it anywhere in
// the window. Windows keeps the low four bits of a system command for itself, so an id
// is a multiple of 16 below 0xF000, and none is 16, the About entry's.
struct MenuEntry {
    int id;
    QString text;
    QKeySequence shortcut;
};

// Adds the About entry (a separator, then the text, with the command AboutMenuCommand) where the
// platform keeps a window's system commands: the system menu on Windows, the window's context menu
// elsewhere. The window's own commands, when given, come before it. A chosen entry, or an entry's
// shortcut, ends in onCommand with its command id. An empty text adds no About entry.
// The menu opens from the keyboard everywhere: Alt+Space (the system's key on Windows, the
// window's own elsewhere, where the context menu keys work too).
class SystemMenu : public QObject {
    Q_OBJECT
  public:
    SystemMenu(QWidget& window, const QString& aboutText, std::function<void(int)> onCommand);
    SystemMenu(QWidget& window, const std::vector<MenuEntry>& entries, const QString& aboutText,
               std::function<void(int)> onCommand);

    // The context menu that holds the entries; null on Windows and when it would be empty.
    QMenu* ContextMenu() const { return contextMenu_; }

    // An entry's action, which other menus may offer too; null for an id without an entry.
    QAction* EntryAction(int id) const;
    // A disabled entry is greyed in every menu and its shortcut does nothing.
    void SetEntryEnabled(int id, bool enabled);
    // A checked entry shows a check mark in every menu.
    void SetEntryChecked(int id, bool checked);

    // The window's nativeEvent hands its messages here first. On Windows a system command
    // of the About entry or of an entry, sent or posted, ends in onCommand and is taken
    // (true); every other message keeps its default handling.
    bool TakeSystemCommand(void* message, qintptr* result);

  private:
    QMenu* contextMenu_ = nullptr;
    std::vector<std::pair<int, QAction*>> actions_;
    std::function<void(int)> onCommand_;
    bool hasAbout_ = false;
    bool takesCommands_ = false;  // its entries are in the window's system menu
};
