#pragma once

#include "app/shown_country.h"
#include "geo/country_outlines.h"
#include "geo/projection.h"

#include <QString>

#include <optional>
#include <vector>

namespace orbisco::geo {

// Where a country lies on the map: the rings of its outlines as the picture shows them, each
// also a map's width to the left or right where it runs off an edge, so that the country lights
// up on both sides; and, for a country too small to see, where a ring around it marks it.
struct CountryShape
{
    QString code; // the record's
    // As fractions of the picture (geo/projection.h); holes among them.
    std::vector<std::vector<PicturePoint>> rings;
    // The centre of a small country's area; empty for one big enough to see, or none.
    std::optional<PicturePoint> marker;
    // The code of the outline the marker marks (the first, for a record of several).
    QString markedCode;

    bool operator==(const CountryShape &) const = default;
};

// Where the shown country lies: nothing for a record with no outline or while the panel shows
// "?". The outlines are read at the first instant, after the first paint; the time changes
// nothing.
class CountryOnMap : public Follower<CountryShape>
{
public:
    // Below this area, in pixels of the picture at its own size, a country gets a ring.
    static constexpr double kSmallArea = 20.0;

    explicit CountryOnMap(const CountryOutlines &(*source)() = &CountryOutlines::builtIn,
                          QObject *parent = nullptr);

    const CountryShape &shape() const { return result(); }
    // The outlines the shape is made of, which also tell which country lies where.
    const CountryOutlines &outlines() const { return m_outlines(); }

protected:
    bool followsTime() const override { return false; }
    CountryShape resultFor(const ShownCountry &country, const ShownTime &time) override;

private:
    const CountryOutlines &(*m_outlines)();
};

} // namespace orbisco::geo
