#pragma once

#include <QObject>

class QWidget;

// Gives a window's shortcuts (its actions' keys) priority over the keys a control keeps
// for itself: a line edit takes Ctrl+E as end-of-line, so without this the export's
// shortcut would do nothing while a number box or an editable combo box has the focus.
// Made a child of the window, it goes with it.
class ShortcutPriority : public QObject {
  public:
    explicit ShortcutPriority(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
};
