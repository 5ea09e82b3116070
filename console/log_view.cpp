#include "log_view.h"

#include <QMenu>
#include <QTextCursor>
#include <string_view>

void LogView::Show(const std::string& jobLog) {
    if (jobLog.size() < shownBytes_) {
        // A log that shrank is not the one on screen any more: show it afresh.
        box_.clear();
        decoder_ = GbkScreenDecoder();
        shownBytes_ = 0;
    }
    const QString added = decoder_.Decode(std::string_view(jobLog).substr(shownBytes_));
    shownBytes_ = jobLog.size();
    if (!added.isEmpty()) {
        QTextCursor cursor(box_.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(added);
    }
    // The caret goes to the end, as when the whole text is set, and the last line shows.
    QTextCursor end = box_.textCursor();
    end.movePosition(QTextCursor::End);
    box_.setTextCursor(end);
    box_.ensureCursorVisible();
}

void LogView::OfferInContextMenu(const QList<QAction*>& actions) {
    box_.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&box_, &QWidget::customContextMenuRequested, &box_,
                     [this, actions](const QPoint& pos) {
                         QMenu* menu = box_.createStandardContextMenu();
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addSeparator();
                         menu->addActions(actions);
                         menu->popup(box_.viewport()->mapToGlobal(pos));
                     });
}
