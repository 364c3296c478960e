#pragma once

#include <Qt>

namespace orbisco::ui {

// Qt's keys, buttons and modifiers in the classic event codes the form speaks
// (controls/event_codes.h).
int keyCode(int qtKey);
int buttonCode(Qt::MouseButton button);
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace orbisco::ui
