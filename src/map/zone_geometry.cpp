#include "map/zone_geometry.h"

#include "controls/checked.h"
#include "controls/window_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace orbisco::map {

qint16 columnWidth(float mapWidth)
{
    const double quotient = double(mapWidth) / kZoneColumns;
    if (!std::isfinite(quotient))
        throw std::overflow_error("map width is not a number");
    // nearbyint rounds half to even in the default rounding mode.
    return toInt16(static_cast<qint64>(std::nearbyint(std::clamp(quotient, -1e9, 1e9))));
}

std::optional<qint16> zoneAt(float x, qint16 columnWidth)
{
    qint32 rightEdge = 0;
    for (int zone = kWestmostZone; zone <= kEastmostZone; ++zone) {
        rightEdge += columnWidth;
        if (double(x) <= rightEdge)
            return static_cast<qint16>(zone);
    }
    return std::nullopt;
}

PixelSpan columnPixels(qint16 zone, qint16 columnWidth, int pixels)
{
    return columnPixels(zone, pixels, [columnWidth](float x) { return zoneAt(x, columnWidth); });
}

PixelSpan columnPixels(qint16 zone, int pixels,
                       const std::function<std::optional<qint16>(float x)> &pressed)
{
    // The first pixel whose press lands in `from`'s column or east of it (or beyond the last).
    const auto firstFrom = [&](int from) {
        int low = 0;
        int high = pixels;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            const std::optional<qint16> zoneThere = pressed(float(ui::toTwips(middle)));
            if (!zoneThere || *zoneThere >= from)
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    return {firstFrom(zone), firstFrom(zone + 1) - 1};
}

float columnMiddle(qint16 zone, qint16 columnWidth)
{
    return static_cast<float>(columnWidth * (double(zone) - kWestmostZone + 0.5));
}

float arrowLeft(float mapLeft, qint16 columnWidth, int column)
{
    return static_cast<float>(double(mapLeft) + double(columnWidth) * column);
}

float barLeft(qint16 columnWidth, int column)
{
    // Half a column in, then 2 twips per column back to the left.
    return static_cast<float>(double(columnWidth) * column + columnWidth / 2.0 - 2 * column);
}

} // namespace orbisco::map
