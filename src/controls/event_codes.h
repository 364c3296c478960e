#pragma once

namespace orbisco::ui {

// The classic event codes the form speaks: the key code of Escape; the mouse buttons; and the
// shift state, a bit for each modifier key held.
inline constexpr int kEscapeKey = 27;
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

} // namespace orbisco::ui
