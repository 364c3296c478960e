#include "app/form1.h"

#include "controls/checked.h"
#include "map/zone_geometry.h"

namespace orbisco {

qint16 Form1::columnWidth() const
{
    // Read at every use, so that the columns follow the map's current size.
    return map::columnWidth(Picture1.Width());
}

std::optional<qint16> Form1::columnAt(float x) const noexcept
{
    std::optional<qint16> zone;
    skipOnError([&] { zone = map::zoneAt(x, columnWidth()); });
    return zone;
}

std::optional<float> Form1::columnMiddle(qint16 zone) const noexcept
{
    std::optional<float> middle;
    skipOnError([&] { middle = map::columnMiddle(zone, columnWidth()); });
    return middle;
}

void Form1::SetZeitZone(qint16 zone)
{
    const qint16 w = columnWidth();
    if (!map::hasColumn(zone))
        return;
    const int column = zone - map::kWestmostZone;
    Picture2.setLeft(map::arrowLeft(Picture1.Left(), w, column));
    m_markedZone = zone;
    Line1.setLeft(map::barLeft(w, column));
}

std::optional<qint16> Form1::markedZone() const
{
    return Picture2.Visible() ? m_markedZone : std::nullopt;
}

} // namespace orbisco
