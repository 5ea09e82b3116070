#include "dialog_template.h"

#include <QCoreApplication>
#include <cmath>

int DialogUnitsToPixels(int units, double logicalDpi) {
    return static_cast<int>(std::lround(units * 1.5 * logicalDpi / 96.0));
}

int PixelsAtDpi(int pixelsAt96Dpi, double logicalDpi) {
    return static_cast<int>(std::lround(pixelsAt96Dpi * logicalDpi / 96.0));
}

QString TemplateText(const char* caption) {
    return QCoreApplication::translate("DialogTemplate", caption);
}
