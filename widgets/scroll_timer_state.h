#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// What the scrolling timer needs from the scroller that runs. There is one record for the
// whole process (only one scroller scrolls at a time: the modal About box); the same
// layout is the record Start hands to the timer procedure.
struct ScrollTimerState {
    int step = 0;                   // pixels per tick
    int textHeight = 0;             // as measured when the scroller started
    int* scrollPosition = nullptr;  // the running scroller's; null when none runs
    const QRect* area = nullptr;    // (0, 0, width, height)
    QWidget* window = nullptr;      // repainted after every tick
    QPoint origin;                  // where the area lies in the window
};

ScrollTimerState& SharedScrollTimerState();
