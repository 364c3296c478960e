#include "geo/country_on_map.h"

#include <algorithm>

namespace orbisco::geo {

CountryOnMap::CountryOnMap(const CountryOutlines &(*outlines)(), QObject *parent)
    : ShownCountryFollower(parent)
    , m_outlines(outlines)
{}

void CountryOnMap::refresh()
{
    // The minute's ticks change nothing here; only another country does.
    if (m_looked && country().code == m_code)
        return;
    m_looked = true;
    m_code = country().code;
    m_rings.clear();
    m_marker.reset();
    m_markedCode.clear();

    const std::vector<const CountryOutline *> outlines = m_outlines().of(m_code);
    double area = 0;
    PicturePoint centre;
    for (const CountryOutline *outline : outlines) {
        for (const OutlineRing &ring : outline->rings) {
            std::vector<PicturePoint> points = ring.onPicture;
            const auto [west, east] = std::ranges::minmax(points, {}, &PicturePoint::x);
            for (const double turn : {-1.0, 1.0}) {
                if ((turn < 0 && east.x > 1.0) || (turn > 0 && west.x < 0.0)) {
                    std::vector<PicturePoint> copy = points;
                    for (PicturePoint &point : copy)
                        point.x += turn;
                    m_rings.push_back(std::move(copy));
                }
            }
            m_rings.push_back(std::move(points));
        }
        centre.x += outline->centre.x * outline->area;
        centre.y += outline->centre.y * outline->area;
        area += outline->area;
    }
    if (!outlines.empty() && area < kSmallArea) {
        m_markedCode = outlines.front()->code;
        m_marker
            = area > 0 ? PicturePoint{centre.x / area, centre.y / area} : outlines.front()->centre;
    }
    emit changed();
}

} // namespace orbisco::geo
