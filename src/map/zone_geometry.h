#pragma once

#include <QStringView>

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

// The whole hour of a UTC offset text, read from its first three characters ("+05:30" gives 5,
// "-03:30" gives -3, "+07:00 - +10:00" gives 7): optional blanks around an optional sign and
// decimal digits. Empty when those characters are no such number.
std::optional<qint16> zoneNumber(QStringView offset);

// Width of one column: the map's outer width in twips over 24, rounded half to even. Throws
// std::overflow_error when that leaves 16 bits.
qint16 columnWidth(float mapWidth);

// The zone whose column takes a press at x twips from the map's inner left edge: column c takes
// c·w < x ≤ (c+1)·w, the leftmost also x ≤ 0. Empty beyond the last column.
std::optional<qint16> zoneAt(float x, qint16 columnWidth);

// Left edges of the arrow (in the window, from the map's left edge) and of the bar (inside the
// map) over column `column` (0 for zone -11).
float arrowLeft(float mapLeft, qint16 columnWidth, int column);
float barLeft(qint16 columnWidth, int column);

} // namespace orbisco::map
