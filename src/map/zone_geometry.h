#pragma once

#include "data/utc_offset.h"

#include <QStringView>

#include <functional>
#include <optional>

namespace orbisco::map {

// The map is cut into 24 equal columns, UTC -11 at the left to UTC +12 at the right.
inline constexpr int kWestmostZone = -11;
inline constexpr int kEastmostZone = 12;
inline constexpr int kZoneColumns = kEastmostZone - kWestmostZone + 1;

constexpr bool hasColumn(int zone)
{
    return zone >= kWestmostZone && zone <= kEastmostZone;
}

// Width of one column: the map's outer width in twips over 24, rounded half to even. Throws
// std::overflow_error when that leaves 16 bits.
qint16 columnWidth(float mapWidth);

// The zone whose column takes a press at x twips from the map's inner left edge: column c takes
// c·w < x ≤ (c+1)·w, the leftmost also x ≤ 0. Empty beyond the last column.
std::optional<qint16> zoneAt(float x, qint16 columnWidth);

// The pixels of a map `pixels` wide, counted from its inner left edge, whose presses zone's
// column takes, by the same rule: the first and the last; first > last where it takes none.
struct PixelSpan
{
    int first = 0;
    int last = -1;
};
PixelSpan columnPixels(qint16 zone, qint16 columnWidth, int pixels);
// The same by any rule of which zone's column takes a press at x twips.
PixelSpan columnPixels(qint16 zone, int pixels,
                       const std::function<std::optional<qint16>(float x)> &pressed);

// The middle of zone's column, in twips from the map's inner left edge: where a press lists
// exactly that column.
float columnMiddle(qint16 zone, qint16 columnWidth);

// Left edges of the arrow (in the window, from the map's left edge) and of the bar (inside the
// map) over column `column` (0 for zone -11).
float arrowLeft(float mapLeft, qint16 columnWidth, int column);
float barLeft(qint16 columnWidth, int column);

} // namespace orbisco::map
