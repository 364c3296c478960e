#pragma once

#include <Qt>

namespace orbisco::ui {

// The form speaks the classic event codes: key 27 is Escape; buttons left 1, right 2, middle 4;
// shift state Shift 1, Ctrl 2, Alt 4.
int keyCode(int qtKey);
int buttonCode(Qt::MouseButton button);
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace orbisco::ui
