#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QIODevice;
class QPainter;

// One decoded picture, or none.
class PictureHolder {
  public:
    // The "IMAGE" resource of that id (":/IMAGE/<id>"); false when there is none.
    bool LoadResourceImage(int id);
    // Replaces the picture by what the stream decodes to; data that does not decode leaves
    // no picture. True whenever the stream could be read at all.
    bool LoadStream(QIODevice& stream);

    bool HasPicture() const { return !picture_.isNull(); }
    // (0, 0) without a picture.
    QSize SizeInPixels() const;
    // The whole picture into rect, squeezed or stretched to fit; an all-zero rect means
    // natural size at the origin. False without a picture.
    bool Paint(QPainter& painter, const QRect& rect) const;

  private:
    QImage picture_;
};
