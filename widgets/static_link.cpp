#include "static_link.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "string_table.h"

CStaticLink::CStaticLink(const QString& linkText, bool deleteOnDestroy, QWidget* parent)
    : QLabel(parent), link_(linkText), beeper_([] { QApplication::beep(); }) {
    setAttribute(Qt::WA_DeleteOnClose, deleteOnDestroy);
    // Plain moves count as contact too, should the pointer appear over the control
    // without entering it.
    setMouseTracking(true);
}

void CStaticLink::enterEvent(QEnterEvent* event) {
    OnHitTest();
    QLabel::enterEvent(event);
}

void CStaticLink::mouseMoveEvent(QMouseEvent* event) {
    OnHitTest();
    QLabel::mouseMoveEvent(event);
}

void CStaticLink::OnHitTest() {
    if (hovering_) return;
    hovering_ = true;
    // Qt keeps one shared cursor per standard shape, so every link uses the same hand.
    setCursor(Qt::PointingHandCursor);
    SetColour(kHoverColour);
    hoverTimerId_ = startTimer(kHoverCheckMs);
}

void CStaticLink::timerEvent(QTimerEvent* event) {
    if (!rect().contains(mapFromGlobal(QCursor::pos()))) {
        hovering_ = false;
        if (hoverTimerId_ != 0) killTimer(hoverTimerId_);
        hoverTimerId_ = 0;
        SetColour(kUnvisitedColour);  // a visited link turns blue again too
    }
    QLabel::timerEvent(event);
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    if (link_.IsEmpty()) {
        QString found = LoadStringResource(objectName().toInt());
        if (found.isEmpty()) found = text();
        link_.SetText(found);  // kept for every later click
    }
    if (link_.IsEmpty()) return;
    if (!link_.OpenLink()) {
        beeper_();
        return;
    }
    SetColour(kVisitedColour);
}

void CStaticLink::paintEvent(QPaintEvent* /*event*/) {
    if (!font_) font_ = font();
    QPainter painter(this);
    painter.setFont(*font_);
    painter.setPen(QColor(colour_));
    // No background of its own: the parent shows through behind the text.
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    style()->drawItemText(&painter, contentsRect(),
                          static_cast<int>(alignment) | (wordWrap() ? Qt::TextWordWrap : 0),
                          palette(), isEnabled(), text(), QPalette::NoRole);
}

void CStaticLink::SetColour(QRgb colour) {
    colour_ = colour;
    update();
}
