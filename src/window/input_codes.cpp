#include "window/input_codes.h"

#include "controls/event_codes.h"

namespace orbisco::ui {

int keyCode(int qtKey)
{
    if (qtKey == Qt::Key_Escape)
        return kEscapeKey;
    // Letters, digits and the blank share their codes; no other key is looked at.
    return qtKey < 0x80 ? qtKey : 0;
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0)
        | (modifiers & Qt::ControlModifier ? kCtrlMask : 0)
        | (modifiers & Qt::AltModifier ? kAltMask : 0);
}

} // namespace orbisco::ui
