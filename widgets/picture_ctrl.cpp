#include "picture_ctrl.h"

#include <QPainter>
#include <QRegion>

CPictureCtrl::CPictureCtrl(bool autoLoad, QWidget* parent)
    : CStaticLink(QString(), false, parent), autoLoad_(autoLoad) {}

void CPictureCtrl::showEvent(QShowEvent* event) {
    CStaticLink::showEvent(event);
    const int id = objectName().toInt();
    if (autoLoad_ && id > 0 && !picture_.HasPicture()) {
        update();
        picture_.LoadResourceImage(id);
    }
}

void CPictureCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect imageRect(QPoint(0, 0), picture_.SizeInPixels());
    // The background goes only where the picture does not, so the picture never blinks.
    for (const QRect& rect : QRegion(this->rect()) - QRegion(imageRect)) {
        painter.fillRect(rect, palette().window());
    }
    picture_.Paint(painter, this->rect() & imageRect);
}
