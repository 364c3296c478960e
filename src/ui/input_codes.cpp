#include "ui/input_codes.h"

namespace orbisco::ui {

int keyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        // Letters, digits and the blank share their codes; other keys are of no interest.
        return qtKey < 0x80 ? qtKey : 0;
    }
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
