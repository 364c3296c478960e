#include "window/input_codes.h"

namespace orbisco::ui {

int keyCode(int qtKey)
{
    if (qtKey == Qt::Key_Escape)
        return 27;
    // Letters, digits and the blank share their codes; no other key is looked at.
    return qtKey < 0x80 ? qtKey : 0;
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace orbisco::ui
