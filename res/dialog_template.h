#pragma once

#include <QString>
#include <span>

// A dialog laid out as the Windows resource compiler would have it: positions and sizes
// in dialog units, controls in template order (which is the tab order). The windows are
// built from these tables, and every control's objectName is its numeric ID.
enum class ControlKind {
    GroupBox,
    ComboBox,    // editable drop-down, sorted list
    Label,       // left-aligned static text
    BlackFrame,  // empty black-framed static
    TrackBox,    // multi-line edit, vertical scroll bar
    LogBox,      // the same, read-only
    NumberBox,   // single-line edit
    Toggle,      // push-like button that keeps its checked state
    CheckBox,
    PushButton,
    DefaultPushButton,
};

struct ControlTemplate {
    int id;  // -1 for a control no code refers to
    ControlKind kind;
    const char* caption;  // UTF-8, as written for TemplateText; "&&" shows as one ampersand
    int x;
    int y;
    int width;
    int height;
};

struct DialogTemplate {
    int id;
    const char* caption;  // UTF-8, as written for TemplateText
    int width;            // dialog units
    int height;
    const char* fontFace;
    int fontPoints;
    std::span<const ControlTemplate> controls;
};

// One dialog unit is 1.5 px at 96 dpi (the base units of the 9-point dialog font), scaled
// by the screen's logical dpi. Pixel positions the program itself gives are scaled alike
// with PixelsAtDpi.
int DialogUnitsToPixels(int units, double logicalDpi);
int PixelsAtDpi(int pixelsAt96Dpi, double logicalDpi);

// A template's caption in the operator's language: the captions are marked for the
// translator in the context "DialogTemplate" and shown through it.
QString TemplateText(const char* caption);
