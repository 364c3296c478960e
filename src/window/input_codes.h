#pragma once

#include <Qt>

namespace orbisco::localtime {
class MinuteClock;
}

namespace orbisco::ui {

// Qt's keys, buttons and modifiers in the classic event codes the form speaks
// (controls/event_codes.h).
int keyCode(int qtKey);
int buttonCode(Qt::MouseButton button);
int shiftState(Qt::KeyboardModifiers modifiers);

// Moves the window's shown time for a key that does that (localtime::clockKey); true if it was
// one.
bool moveShownTime(localtime::MinuteClock &clock, int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace orbisco::ui
