#include "controls/window_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace orbisco::ui {

namespace {

constexpr FontSpec kSearchFont{u"Arial", 12, true};
constexpr FontSpec kReadOutFont{u"Arial", 9.75, true};
constexpr FontSpec kCounterFont{u"Arial Narrow", 9, true};
constexpr unsigned kLightGrey = 0xE0E0E0;
constexpr unsigned kMarkerGreen = 0x008000;

using enum ControlKind;

// Search column at the top left, details column at the top right, the map across the bottom.
const std::array<ControlLayout, 19> kControls = {{
    {u"Text1", TextBox, 240, 120, 3495, 375, true, u"", 0, kSearchFont},
    {u"List1", ListBox, 240, 600, 3495, 1740, true, u"", 1, kReadOutFont, kLightGrey},
    {u"CounterLabel", Label, 255, 2430, 855, 255, true, u"", 18, kCounterFont},
    {u"Label3", Label, 3930, 180, 735, 255, true, u"Sprachen:", 12},
    {u"Text4", TextBox, 4920, 120, 4455, 375, true, u"", 11, kReadOutFont, kLightGrey},
    {u"Label2", Label, 3945, 675, 1095, 255, true, u"Zeitzone:", 10, {}, {}, u"Zeitzone: UTC"},
    {u"Text2", TextBox, 4920, 600, 4455, 375, true, u"", 2, kReadOutFont, kLightGrey, u"UTC"},
    {u"Label4", Label, 3975, 1140, 1335, 255, true, u"Währung:", 14},
    {u"Text3", TextBox, 4920, 1080, 4455, 375, true, u"", 3, kReadOutFont, kLightGrey},
    {u"Al", Label, 3960, 1605, 1215, 255, true, u"Alpha Code:", 9},
    {u"Text5", TextBox, 4920, 1560, 4455, 375, true, u"", 13, kReadOutFont, kLightGrey},
    {u"Label5", Label, 3960, 2100, 1335, 255, true, u"Hauptstadt:", 16},
    {u"Text6", TextBox, 4920, 2040, 4455, 375, true, u"", 15, kReadOutFont, kLightGrey},
    {u"Picture2", PictureBox, 360, 2595, 405, 405, false, u"", 5},
    {u"Picture1", PictureBox, 120, 3000, 9285, 5430, true, u"", 4},
    {u"Line1", PictureBox, 240, 210, 30, 4935, false, u"", 17, {}, kMarkerGreen, {}, u"Picture1"},
    {u"TMplist", ComboBox, 8520, 3960, 1095, 315, false, u"TMplist", 6},
    {u"TimeZone", ComboBox, 8520, 3360, 1095, 315, false, u"TimeZones", 7},
    {u"Languages", ComboBox, 8640, 3240, 975, 315, false, u"Languages", 8},
}};

// What the window adds where the design leaves room: the local time, in the free band under the
// result list (right of the counter, left of the list's right edge, below the list and above the
// highest the arrow ever stands), in the counter's font, last in the tab order.
const std::array<ControlLayout, 1> kAdditions = {{
    {u"Ortszeit", Label, 1110, 2340, 2625, 255, true, u"", 19, kCounterFont},
}};

const WindowLayout kWindow{u"Orbisco 1.0", 9510, 8385, {u"Arial", 8, false}};

} // namespace

const WindowLayout &windowLayout()
{
    return kWindow;
}

std::span<const ControlLayout> controlLayouts()
{
    return kControls;
}

std::span<const ControlLayout> additionLayouts()
{
    return kAdditions;
}

const ControlLayout &controlLayout(QStringView name)
{
    for (const std::span<const ControlLayout> layouts : {controlLayouts(), additionLayouts()}) {
        const auto it = std::ranges::find(layouts, name, &ControlLayout::name);
        if (it != layouts.end())
            return *it;
    }
    throw std::out_of_range("the window has no such control");
}

} // namespace orbisco::ui
