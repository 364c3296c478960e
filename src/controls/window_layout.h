#pragma once

#include <QStringView>

#include <optional>
#include <span>

namespace orbisco::ui {

enum class ControlKind { TextBox, ListBox, ComboBox, Label, PictureBox };

struct FontSpec
{
    QStringView family; // empty: the window's default font
    double pointSize = 0;
    bool bold = false;
};

// One control as the window is first shown. Positions and sizes are twips in the coordinates of
// the control's container: the window, or the picture box named by `container`.
struct ControlLayout
{
    QStringView name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    bool visible;
    QStringView text; // text of a text or combo box, caption of a label
    int tabIndex;
    FontSpec font = {};
    std::optional<unsigned> background = {}; // 0xRRGGBB; none: the control's default
    QStringView toolTip = {};
    QStringView container = {};
};

inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

struct WindowLayout
{
    QStringView caption;
    int clientWidth; // twips
    int clientHeight;
    FontSpec font; // of the captions and every control that names no font of its own
};

const WindowLayout &windowLayout();
std::span<const ControlLayout> controlLayouts();
// What the window shows beyond the designed controls, in the room they leave, each with its
// place, font and tab index like a control's.
std::span<const ControlLayout> additionLayouts();
// Either kind, by name. Throws std::out_of_range for a name the window does not have.
const ControlLayout &controlLayout(QStringView name);

} // namespace orbisco::ui

namespace orbisco::ui {

// Whole pixels for a twip position or size; how a fractional twip lands is the window's affair.
inline int toPixels(double twips)
{
    return static_cast<int>(twips / kTwipsPerPixel + (twips < 0 ? -0.5 : 0.5));
}
// Twips for a position or size in pixels, exactly.
inline double toTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace orbisco::ui
