#include "shortcut_priority.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

ShortcutPriority::ShortcutPriority(QWidget& window) : QObject(&window), window_(window) {
    // A control's claim on a key comes to the control itself, so only a filter of the
    // application sees it first.
    QCoreApplication::instance()->installEventFilter(this);
}

bool ShortcutPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != &window_) return false;
    const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : window_.actions()) {
        if (action->isEnabled() && action->shortcut() == keys) {
            // Not claimed by the control: the shortcut runs.
            event->ignore();
            return true;
        }
    }
    return false;
}
