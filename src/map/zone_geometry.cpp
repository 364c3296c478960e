#include "map/zone_geometry.h"

#include "controls/checked.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace orbisco::map {

std::optional<qint16> zoneNumber(QStringView offset)
{
    QStringView digits = offset.first(std::min<qsizetype>(offset.size(), 3)).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-')) {
        negative = digits.front() == u'-';
        digits = digits.sliced(1);
    }
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return static_cast<qint16>(negative ? -value : value);
}

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
