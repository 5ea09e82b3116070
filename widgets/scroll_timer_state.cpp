#include "scroll_timer_state.h"

ScrollTimerState& SharedScrollTimerState() {
    static ScrollTimerState state;
    return state;
}
