#include "picture_holder.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

bool PictureHolder::LoadResourceImage(int id) {
    QFile resource(QStringLiteral(":/IMAGE/%1").arg(id & 0xFFFF));
    if (!resource.open(QIODevice::ReadOnly)) return false;
    return LoadStream(resource);
}

bool PictureHolder::LoadStream(QIODevice& stream) {
    picture_ = QImage();
    if (!stream.isReadable()) return false;
    QImageReader reader(&stream);
    picture_ = reader.read();
    return true;
}

QSize PictureHolder::SizeInPixels() const {
    return picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
}

bool PictureHolder::Paint(QPainter& painter, const QRect& rect) const {
    if (picture_.isNull()) return false;
    const QRect target = rect == QRect() ? QRect(QPoint(0, 0), SizeInPixels()) : rect;
    painter.drawImage(target, picture_);
    return true;
}
