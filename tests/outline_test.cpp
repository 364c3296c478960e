// The countries' outlines from the DCW borders: every zone.tab place inside its country, the
// country under a dozen places, the outlines that show a record, and no answer that is not
// definite for any place or any stream of numbers.
#include "geo/country_outlines.h"
#include "geo/projection.h"
#include "localtime/zone_places.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace orbisco;
using namespace orbisco::geo;
using namespace Qt::StringLiterals;

namespace {

const CountryOutlines &outlines()
{
    return CountryOutlines::builtIn();
}

QString countryAt(double latitude, double longitude)
{
    const CountryOutline *country = outlines().at({latitude, longitude});
    return country ? country->code : QString();
}

// How far a place lies from the country's area, in pixels of the picture at its own size: 0
// inside it, else the distance to its nearest edge, a ring being where it is or a map's width
// to either side.
double pixelsFrom(const CountryOutline &country, GeoPoint place)
{
    if (country.contains(place))
        return 0;
    const PicturePoint at = unwrappedPicturePoint(place);
    double nearest = std::numeric_limits<double>::infinity();
    for (const OutlineRing &ring : country.rings) {
        const std::vector<PicturePoint> &points = ring.onPicture;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            for (const double turn : {-1.0, 0.0, 1.0}) {
                const double ax = (points[j].x + turn) * kPictureWidth;
                const double ay = points[j].y * kPictureHeight;
                const double bx = (points[i].x + turn) * kPictureWidth;
                const double by = points[i].y * kPictureHeight;
                const double px = at.x * kPictureWidth;
                const double py = at.y * kPictureHeight;
                const double length = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
                const double t = length > 0
                    ? std::clamp(((px - ax) * (bx - ax) + (py - ay) * (by - ay)) / length, 0.0, 1.0)
                    : 0.0;
                nearest = std::min(nearest,
                                   std::hypot(ax + t * (bx - ax) - px, ay + t * (by - ay) - py));
            }
        }
    }
    return nearest;
}

} // namespace

TEST(Outlines, EveryZonePlaceLiesInItsCountry)
{
    QFile file(localtime::ZonePlaces::systemFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // DCW 2.1.1's borders leave these places out: its own lines lie pixels away from them.
    const QStringList outside = {
        u"CL Pacific/Easter"_s,     // Easter Island has no line of Chile's, 64 pixels away
        u"KI Pacific/Kanton"_s,     // of Kiribati's islands DCW has the Gilberts only
        u"KI Pacific/Kiritimati"_s, // likewise
        u"NZ Pacific/Chatham"_s,    // the Chatham Islands have no line of New Zealand's
        u"PN Pacific/Pitcairn"_s,   // DCW's Pitcairn is Henderson Island, 3 pixels east
    };
    int checked = 0;
    QStringList missed;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('#') || fields.size() < 3)
            continue;
        const CountryOutline *country = outlines().find(QString::fromLatin1(fields[0]));
        const std::optional<GeoPoint> place = localtime::iso6709Place(fields[1]);
        if (!country || !place)
            continue;
        ++checked;
        if (pixelsFrom(*country, *place) > 1.0)
            missed << QString::fromLatin1(fields[0] + ' ' + fields[2]);
    }
    EXPECT_GT(checked, 400);
    EXPECT_EQ(missed, outside);
}

TEST(Outlines, TheCountryUnderAPlace)
{
    const std::pair<GeoPoint, QString> places[] = {
        {{52.52, 13.40}, u"DE"_s},    // Berlin
        {{41.89, 12.49}, u"IT"_s},    // Rome, not the Vatican beside it
        {{-29.31, 27.48}, u"LS"_s},   // Maseru: Lesotho, a hole of South Africa's
        {{-26.20, 28.05}, u"ZA"_s},   // Johannesburg
        {{64.73, 177.50}, u"RU"_s},   // Anadyr, at the map's right edge
        {{66.50, -175.50}, u"RU"_s},  // Chukotka past it, at the left edge
        {{-18.14, 178.44}, u"FJ"_s},  // Suva
        {{-4.60, 15.80}, u"CD"_s},    // Kinshasa, south of the river
        {{-4.00, 15.00}, u"CG"_s},    // north of it, near Brazzaville
        {{22.42, 114.10}, u"HK"_s},   // Hong Kong, filed by DCW under China
        {{22.19, 113.54}, u"MO"_s},   // Macao
        {{39.90, 116.40}, u"CN"_s},   // Beijing
        {{30.00, -40.00}, QString()}, // the Atlantic
    };
    for (const auto &[place, code] : places)
        EXPECT_EQ(countryAt(place.latitude, place.longitude), code) << code.toStdString();
}

TEST(Outlines, TheOutlinesThatShowARecord)
{
    const auto codes = [](QStringView record) {
        QStringList found;
        for (const CountryOutline *outline : outlines().of(record))
            found << outline->code;
        return found;
    };
    EXPECT_EQ(codes(u"DE"), QStringList{u"DE"_s});
    EXPECT_EQ(codes(u"ZR"), QStringList{u"CD"_s}) << "a withdrawn code by its successor";
    EXPECT_EQ(codes(u"UK"), QStringList{u"GB"_s});
    EXPECT_EQ(codes(u"TP"), QStringList{u"TL"_s});
    EXPECT_EQ(codes(u"AN"), (QStringList{u"CW"_s, u"SX"_s, u"BQ"_s})) << "the islands that were it";
    for (QStringView none : {u"", u"?", u"FX", u"NT", u"SU", u"de", u"D"})
        EXPECT_TRUE(codes(none).isEmpty()) << none.toString().toStdString();

    // Small countries are small, big ones big; Bouvet Island, a speck, is still there.
    EXPECT_LT(outlines().find(u"MT")->area, 20.0);
    EXPECT_LT(outlines().find(u"VA")->area, 20.0);
    EXPECT_GT(outlines().find(u"DE")->area, 20.0);
    ASSERT_NE(outlines().find(u"BV"), nullptr);
    EXPECT_EQ(countryAt(-54.42, 3.40), u"BV"_s);
    EXPECT_EQ(countryAt(-70.0, 0.0), u"AQ"_s);
    EXPECT_EQ(countryAt(-65.0, -62.0), u"AQ"_s) << "the peninsula, on the map";
}

TEST(Outlines, EveryPlaceHasADefiniteAnswer)
{
    // The poles, the date line either way, the map's edges, a vertex and the middle of an edge
    // of a ring, and places that are none.
    const CountryOutline &germany = *outlines().find(u"DE");
    const GeoPoint vertex = germany.rings.front().points.front();
    const GeoPoint next = germany.rings.front().points[1];
    const GeoPoint middle{(vertex.latitude + next.latitude) / 2,
                          (vertex.longitude + next.longitude) / 2};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const GeoPoint place : {GeoPoint{90, 0},
                                 {-90, 0},
                                 {0, 180},
                                 {0, -180},
                                 {65, 180},
                                 {65, -180},
                                 {0, -172.5},
                                 {0, 187.5},
                                 {-16.5, 179.99},
                                 {-16.5, -179.99},
                                 vertex,
                                 middle,
                                 {nan, 0},
                                 {0, nan},
                                 {inf, 0},
                                 {0, -inf},
                                 {91, 0},
                                 {0, 1e300}}) {
        const CountryOutline *first = outlines().at(place);
        EXPECT_EQ(outlines().at(place), first) << place.latitude << " " << place.longitude;
        if (first) {
            EXPECT_TRUE(first->contains(place));
        }
    }
    EXPECT_EQ(countryAt(90, 0), QString());
    EXPECT_EQ(countryAt(-89.5, 0), u"AQ"_s);
    EXPECT_EQ(countryAt(nan, 10), QString());
    // Any longitude is taken round the world.
    EXPECT_EQ(countryAt(52.52, 13.40 + 360), u"DE"_s);
    EXPECT_EQ(countryAt(52.52, 13.40 - 720), u"DE"_s);
}

TEST(Outlines, ReadingStopsAtTheFirstFault)
{
    // A square country and a country with a hole in it.
    const std::vector<qint16> good = {
        'A', 'B',  1,    0,    4,    0,    0,    0, 1000, 1000, 1000, 1000, 0,    'C',  'D',  2, 0,
        3,   2000, 2000, 2000, 3000, 3000, 2000, 1, 3,    2100, 2100, 2100, 2200, 2200, 2100,
    };
    const CountryOutlines both(good);
    ASSERT_EQ(both.size(), 2);
    EXPECT_EQ(both.at({5, 5})->code, u"AB"_s);
    EXPECT_EQ(both.at({25, 22})->code, u"CD"_s);
    EXPECT_EQ(both.at({21.2, 21.2}), nullptr) << "in the hole";
    EXPECT_EQ(both.at({50, 50}), nullptr);

    const auto countriesOf
        = [](std::vector<qint16> numbers) { return CountryOutlines(numbers).size(); };
    std::vector<qint16> cut(good.begin(), good.end() - 1);
    EXPECT_EQ(countriesOf(cut), 1) << "the stream ends inside a country";
    std::vector<qint16> lower = good;
    lower[13] = 'c';
    EXPECT_EQ(countriesOf(lower), 1) << "no capital letter";
    std::vector<qint16> flag = good;
    flag[16] = 2;
    EXPECT_EQ(countriesOf(flag), 1) << "neither a hole nor not";
    std::vector<qint16> two = good;
    two[4] = 2;
    EXPECT_EQ(countriesOf(two), 0) << "a ring of two points";
    std::vector<qint16> offTheEarth = good;
    offTheEarth[5] = 9001;
    EXPECT_EQ(countriesOf(offTheEarth), 0) << "a latitude beyond the pole";
    EXPECT_EQ(countriesOf({}), 0);
}
