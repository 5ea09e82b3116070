#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixel questions the window tests ask of rendered images.
namespace frame_pixels {

// Dark enough to be ink rather than a light background.
inline bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

inline bool AnyInk(const QImage& image, const QRect& rect) {
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (IsInk(image.pixel(x, y))) return true;
        }
    }
    return false;
}

inline bool AllOf(const QImage& image, const QRect& rect, QColor colour) {
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (QColor(image.pixel(x, y)) != colour) return false;
        }
    }
    return true;
}

// Leftmost and rightmost columns holding ink; (-1, -1) when there is none.
inline std::pair<int, int> InkColumns(const QImage& image) {
    int left = -1;
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (AnyInk(image, QRect(x, 0, 1, image.height()))) {
            if (left < 0) left = x;
            right = x;
        }
    }
    return {left, right};
}

}  // namespace frame_pixels
