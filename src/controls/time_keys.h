#pragma once

#include <optional>

namespace orbisco::ui {

// What the keys and the wheel do to the window's shown time, beside what they do to the controls
// (event_codes.h): the map and the local time take them.

// What a key does to the shown instant: Page Up moves it an hour later, Page Down an hour
// earlier, with Shift a day; J ("jetzt") brings it back to now. Empty for any other key. qtKey is
// a Qt::Key.
struct ClockKey
{
    int hours = 0;
    bool backToNow = false;
};
std::optional<ClockKey> clockKey(int qtKey, bool shift);

// The wheel's turns in hours: a notch (120 eighths of a degree) an hour, up later, down
// earlier, with Shift a day; a touchpad's small steps add up to notches.
class WheelSteps
{
public:
    int hoursFor(int angleDelta, bool shift);

private:
    int m_rest = 0; // eighths of a degree short of a notch
};

} // namespace orbisco::ui
