#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

// Adds the About entry (a separator, then the text, with the command AboutMenuCommand) where the
// platform keeps a window's system commands: the system menu on Windows, the window's context menu
// elsewhere. A chosen entry ends in onCommand with its command id. An empty text adds nothing.
class SystemMenu : public QObject {
    Q_OBJECT
  public:
    SystemMenu(QWidget& window, const QString& aboutText, std::function<void(int)> onCommand);
    ~SystemMenu() override;

    // The context menu that holds the entry; null on Windows and for an empty text.
    QMenu* ContextMenu() const { return contextMenu_; }

  private:
    QMenu* contextMenu_ = nullptr;
    struct NativeFilter;
    std::unique_ptr<NativeFilter> nativeFilter_;
};
