#pragma once

#include "geo/projection.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

namespace orbisco::geo {

// The countries' outlines, from the DCW-GMT borders (data/builtin_data.h), in latitudes and
// longitudes: which country lies where, what the map lights for the shown country, and which
// country is under the pointer. Longitudes run as the map does, from its left edge at -172.5°;
// a ring that crosses its right edge (Chukotka, Fiji) goes on past 187.5°.

// A box of latitudes and longitudes.
struct GeoBox
{
    double south = 0;
    double north = 0;
    double west = 0;
    double east = 0;

    bool contains(GeoPoint place) const
    {
        return place.latitude >= south && place.latitude <= north && place.longitude >= west
            && place.longitude <= east;
    }
};

struct OutlineRing
{
    bool hole = false; // inside another ring of the country, and not the country's (Lesotho)
    std::vector<GeoPoint> points;
    GeoBox box;
    // The points as the picture shows them (pictureRing below), placed once when read.
    std::vector<PicturePoint> onPicture;
};

struct CountryOutline
{
    QString code; // ISO 3166-1 alpha-2, as DCW has it
    std::vector<OutlineRing> rings;
    GeoBox box;
    double area = 0;     // in pixels of the picture at its own size (615 by 358), holes taken out
    PicturePoint centre; // of its area, as fractions of the picture

    // Whether the country's area holds the place: inside one of its rings and not in a hole.
    // Rings are open: a place exactly on a ring's edge may fall either side, but always the same.
    bool contains(GeoPoint place) const;
};

class CountryOutlines
{
public:
    // The outlines as a stream of 16-bit numbers holds them, one country after another: its
    // code's two letters and its number of rings; each ring's hole flag (1 or 0) and number of
    // points; each point's latitude and longitude in hundredths of a degree. The stream ends at
    // anything else: a letter that is no capital, a flag that is neither 0 nor 1, a ring of
    // fewer than three points, a place off the Earth, or the end of the numbers inside a
    // country; the countries before it stand. Only where each country starts is taken at once;
    // a country is read when first asked for, so that showing one costs little at start-up.
    explicit CountryOutlines(std::span<const qint16> stream);
    // The built-in outlines.
    static const CountryOutlines &builtIn();

    qsizetype size() const { return qsizetype(m_entries.size()); }
    // The country of an exact code; null when there is none.
    const CountryOutline *find(QStringView code) const;
    // Every country, each read.
    std::vector<const CountryOutline *> all() const;
    // The outlines that show a record's code: those of the codes that stand for it today
    // (currentCodes, data/country_codes.h). Empty for a code with no outline.
    std::vector<const CountryOutline *> of(QStringView recordCode) const;
    // The country whose area holds a place, the smallest where several do (a border drawn
    // twice); null over the sea or off the Earth. Any longitude is taken round the world.
    const CountryOutline *at(GeoPoint place) const;

private:
    struct Entry
    {
        QString code;
        std::span<const qint16> rings; // the country's numbers after its code and ring count
        qint16 ringCount = 0;
    };
    const CountryOutline &outline(size_t index) const;

    std::vector<Entry> m_entries;
    mutable std::vector<std::optional<CountryOutline>> m_read; // one per entry, once read
};

// A ring as the picture shows it, as fractions of its width and height: x from 0 at the map's
// left edge, past 1 for a ring that runs on across its right edge (or below 0 across its left
// one); y in the picture's height, outside the map band where the ring leaves it. Where it runs
// off an edge, CountryOnMap adds a copy a map's width the other way, so that it shows at both.
std::vector<PicturePoint> pictureRing(const std::vector<GeoPoint> &points);

} // namespace orbisco::geo
