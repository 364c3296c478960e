#pragma once

#include "app/shown_country.h"
#include "geo/country_outlines.h"
#include "geo/projection.h"

#include <QString>

#include <optional>
#include <vector>

namespace orbisco::geo {

// Where the shown country lies on the map: the rings of its outlines as the picture shows them,
// each also a map's width to the left or right where it runs off an edge, so that the country
// lights up on both sides; and, for a country too small to see, where a ring around it marks
// it. Nothing for a record with no outline or while the panel shows "?". The outlines are read
// at the first instant, after the first paint.
class CountryOnMap : public ShownCountryFollower
{
    Q_OBJECT

public:
    // Below this area, in pixels of the picture at its own size, a country gets a ring.
    static constexpr double kSmallArea = 20.0;

    explicit CountryOnMap(const CountryOutlines &(*outlines)() = &CountryOutlines::builtIn,
                          QObject *parent = nullptr);

    // As fractions of the picture (geo/projection.h); holes among them.
    const std::vector<std::vector<PicturePoint>> &rings() const { return m_rings; }
    // The centre of a small country's area; empty for one big enough to see, or none.
    const std::optional<PicturePoint> &marker() const { return m_marker; }
    // The code of the outline the marker marks (the first, for a record of several).
    const QString &markedCode() const { return m_markedCode; }

protected:
    void refresh() override;

private:
    const CountryOutlines &(*m_outlines)();
    bool m_looked = false;
    QString m_code; // whose rings these are
    std::vector<std::vector<PicturePoint>> m_rings;
    std::optional<PicturePoint> m_marker;
    QString m_markedCode;
};

} // namespace orbisco::geo
