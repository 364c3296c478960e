#include "app/form1.h"

#include "map/zone_geometry.h"

namespace orbisco {

void Form1::SetZeitZone(qint16 zone)
{
    // The width is read at every call, so the marker follows the map's current size.
    const qint16 w = map::columnWidth(Picture1.Width());
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
