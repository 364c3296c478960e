#include "geo/country_on_map.h"

#include <algorithm>

namespace orbisco::geo {

CountryOnMap::CountryOnMap(const CountryOutlines &(*source)(), QObject *parent)
    : Follower(parent)
    , m_outlines(source)
{}

CountryShape CountryOnMap::resultFor(const ShownCountry &country, const ShownTime & /*time*/)
{
    CountryShape shape;
    shape.code = country.code;
    const std::vector<const CountryOutline *> outlines = m_outlines().of(shape.code);
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
                    shape.rings.push_back(std::move(copy));
                }
            }
            shape.rings.push_back(std::move(points));
        }
        centre.x += outline->centre.x * outline->area;
        centre.y += outline->centre.y * outline->area;
        area += outline->area;
    }
    if (!outlines.empty() && area < kSmallArea) {
        shape.markedCode = outlines.front()->code;
        shape.marker
            = area > 0 ? PicturePoint{centre.x / area, centre.y / area} : outlines.front()->centre;
    }
    return shape;
}

} // namespace orbisco::geo
