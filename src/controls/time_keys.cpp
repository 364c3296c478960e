#include "controls/time_keys.h"

#include <Qt>

namespace orbisco::ui {

std::optional<ClockKey> clockKey(int qtKey, bool shift)
{
    const int step = shift ? 24 : 1;
    switch (qtKey) {
    case Qt::Key_PageUp:
        return ClockKey{step, false};
    case Qt::Key_PageDown:
        return ClockKey{-step, false};
    case Qt::Key_J:
        return ClockKey{0, true};
    default:
        return std::nullopt;
    }
}

int WheelSteps::hoursFor(int angleDelta, bool shift)
{
    constexpr int kNotch = 120;
    const qint64 total = qint64(m_rest) + angleDelta;
    const auto notches = int(total / kNotch);
    m_rest = int(total % kNotch);
    return notches * (shift ? 24 : 1);
}

} // namespace orbisco::ui
