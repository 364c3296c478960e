// The sun, the map's projection and the zones' places, on a fixed clock. The sun is checked
// against PyEphem's (tests/data/sun_reference.tsv, made by tools/sun-reference.py), never against
// its own formulas.
#include "geo/projection.h"
#include "localtime/country_time.h"
#include "localtime/local_time_text.h"
#include "localtime/zone_directory.h"
#include "localtime/zone_places.h"
#include "sun/daylight.h"
#include "sun/sun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <sys/stat.h>

#include <cmath>

using namespace orbisco;
using namespace orbisco::geo;
using namespace orbisco::sun;
using namespace Qt::StringLiterals;

namespace {

QStringList referenceRows(QStringView kind)
{
    QFile file(QStringLiteral(ORBISCO_SUN_REFERENCE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(kind) && line.mid(kind.size(), 1) == u"\t"_s)
            rows.append(line);
    }
    return rows;
}

qint64 msecs(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toMSecsSinceEpoch();
}

double arcMinutes(double degrees)
{
    return std::abs(degrees) * 60.0;
}

} // namespace

TEST(Sun, OverheadWhereTheEphemerisPutsIt)
{
    const QStringList rows = referenceRows(u"subsolar");
    ASSERT_EQ(rows.size(), 5);
    for (const QString &row : rows) {
        const QStringList field = row.split(u'\t');
        const QDateTime at = QDateTime::fromString(field[1], Qt::ISODate);
        const SunPosition sun = sunAt(at.toMSecsSinceEpoch());
        double east = sun.subsolar.longitude - field[3].toDouble();
        east -= 360.0 * std::round(east / 360.0);
        EXPECT_LT(arcMinutes(sun.subsolar.latitude - field[2].toDouble()), 1.0)
            << row.toStdString();
        // A quarter of a minute of time is 3.75 arc minutes of longitude.
        EXPECT_LT(arcMinutes(east), 3.75) << row.toStdString();
        EXPECT_NEAR(sun.altitudeAt(sun.subsolar), 90.0, 0.01);
        EXPECT_NEAR(sun.altitudeAt({-sun.subsolar.latitude, sun.subsolar.longitude + 180}), -90.0,
                    0.01);
    }
}

TEST(Sun, RisesAndSetsWithinAMinuteOfTheEphemeris)
{
    const QStringList rows = referenceRows(u"events");
    ASSERT_GE(rows.size(), 12);
    for (const QString &row : rows) {
        const QStringList field = row.split(u'\t');
        const QTimeZone zone(field[1].toLatin1());
        const QDate date = QDate::fromString(field[4], Qt::ISODate);
        const SunEvents events
            = sunEventsOn({field[2].toDouble(), field[3].toDouble()}, date, zone);
        ASSERT_TRUE(events.valid) << row.toStdString();
        const auto check = [&](const std::optional<QDateTime> &event, const QString &expected,
                               const char *what) {
            SCOPED_TRACE(what);
            if (expected == u"-"_s) {
                EXPECT_FALSE(event) << row.toStdString() << " " << event->toString().toStdString();
                return;
            }
            ASSERT_TRUE(event) << row.toStdString();
            const QDateTime reference(date, QTime::fromString(expected, u"HH:mm:ss"), zone);
            EXPECT_LE(std::abs(event->secsTo(reference)), 60)
                << row.toStdString() << " got " << event->toString(Qt::ISODate).toStdString();
            EXPECT_EQ(event->date(), date);
        };
        check(events.sunrise, field[5], "sunrise");
        check(events.sunset, field[6], "sunset");
        if (field[7] != u"-"_s) {
            EXPECT_EQ(events.upAllDate, field[7] == u"up"_s) << row.toStdString();
        }
    }
}

TEST(Sun, TheDetailsGiveTheEventsOfTheZonesOwnDate)
{
    // At 00:30 and 23:30 on each reference date, one of the two on another date in UTC wherever
    // the zone is off UTC: the details must give the zone's own date's sunrise and sunset. One
    // cache of the sun's days for all of them, as the window keeps it: a zone's days on another
    // date (Berlin in December, then in June) must not come from the date before.
    const QStringList rows = referenceRows(u"events");
    ASSERT_GE(rows.size(), 12);
    const QRegularExpression shownTime(u"^ (\\d\\d:\\d\\d)"_s);
    localtime::SunDays days;
    for (const QString &row : rows) {
        const QStringList field = row.split(u'\t');
        const QTimeZone zone(field[1].toLatin1());
        const QDate date = QDate::fromString(field[4], Qt::ISODate);
        const GeoPoint place{field[2].toDouble(), field[3].toDouble()};
        for (const QTime local : {QTime(0, 30), QTime(23, 30)}) {
            const QDateTime instant = QDateTime(date, local, zone).toUTC();
            const std::optional<localtime::ZoneTime> time = localtime::zoneTimeAt(zone, instant);
            ASSERT_TRUE(time) << row.toStdString();
            const QString line = localtime::zoneLine(*time, place, instant, &days);
            const auto check = [&](const QString &event, const QString &expected) {
                const qsizetype at = line.indexOf(event);
                if (expected == u"-"_s) {
                    EXPECT_EQ(at, -1) << line.toStdString();
                    return;
                }
                ASSERT_GE(at, 0) << line.toStdString();
                const QString shown = shownTime.match(line.mid(at + event.size())).captured(1);
                const QTime reference = QTime::fromString(expected, u"HH:mm:ss"_s);
                // A minute of the formulas, and half a minute of rounding to the minute.
                EXPECT_LE(std::abs(QTime::fromString(shown, u"HH:mm"_s).secsTo(reference)), 90)
                    << line.toStdString() << " against " << row.toStdString();
            };
            check(u"Sonnenaufgang"_s, field[5]);
            check(u"Sonnenuntergang"_s, field[6]);
            if (field[7] != u"-"_s) {
                EXPECT_TRUE(
                    line.endsWith(field[7] == u"up"_s ? u"Mitternachtssonne"_s : u"Polarnacht"_s))
                    << line.toStdString();
            }
        }
    }
}

TEST(Sun, DayStatesAndShadeByAltitude)
{
    EXPECT_EQ(dayState(-0.8), DayState::Day);
    EXPECT_EQ(dayState(-0.9), DayState::Twilight);
    EXPECT_EQ(dayState(-6.0), DayState::Twilight);
    EXPECT_EQ(dayState(-6.1), DayState::Night);

    EXPECT_EQ(shadeOpacity(-0.8), 0) << "the picture itself while the sun is up";
    EXPECT_EQ(shadeOpacity(45), 0);
    // Black at this opacity leaves at most half of any colour's brightness.
    EXPECT_GE(shadeOpacity(-18.5), 128);
    EXPECT_EQ(shadeOpacity(-18.5), shadeOpacity(-90));
    int darker = 0;
    for (double altitude = -0.9; altitude > -18; altitude -= 0.5) {
        EXPECT_GT(shadeOpacity(altitude), darker - 1) << altitude;
        darker = shadeOpacity(altitude);
    }
    EXPECT_GT(shadeOpacity(-9), 0);
    EXPECT_LT(shadeOpacity(-9), shadeOpacity(-18.5));
}

TEST(Sun, TheBandsShadeIsEachPixelsAltitude)
{
    // The band is shaded by rows and spans; every pixel must still be what the sun's altitude at
    // its centre says, within the table's step.
    for (const qint64 at :
         {msecs(2026, 6, 21, 8, 24), msecs(2026, 12, 21, 20, 50), msecs(2026, 3, 20, 14, 46),
          msecs(2026, 12, 9, 0, 0), msecs(2027, 9, 23, 23, 59), msecs(1901, 1, 1, 0, 0)}) {
        const SunPosition sun = sunAt(at);
        for (const auto &[width, height] : {std::pair{615, 329}, std::pair{97, 61}}) {
            const qsizetype stride = width + 3;
            // The screen's pixels: black of the opacity, premultiplied (the opacity in the top
            // byte, nothing in the others).
            std::vector<quint32> pixels(size_t(stride * height), 7);
            shadeBand(sun, pixels, width, height, stride);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const GeoPoint place
                        = geoPoint({(x + 0.5) / width,
                                    kBandTop + (y + 0.5) / height * (kBandBottom - kBandTop)});
                    const int expected = shadeOpacity(sun.altitudeAt(place));
                    const quint32 got = pixels[size_t(y * stride + x)];
                    ASSERT_EQ(got & 0xffffffu, 0u) << x << "," << y;
                    ASSERT_LE(std::abs(int(got >> 24) - expected), 1) << x << "," << y;
                }
                EXPECT_EQ(pixels[size_t(y * stride + width)], 7u) << "beyond the row";
            }
        }
    }
}

TEST(Sun, FarFromTodayAndAtTheEdgesOfTheEarth)
{
    const QTimeZone utc = QTimeZone::utc();
    for (const qint64 at : {msecs(1901, 1, 1, 0, 0), msecs(2100, 6, 1, 12, 0),
                            msecs(9999, 12, 31, 23, 59), msecs(1, 1, 1, 0, 0)}) {
        const SunPosition sun = sunAt(at);
        EXPECT_TRUE(std::isfinite(sun.declination) && std::isfinite(sun.subsolar.longitude));
        EXPECT_LE(std::abs(sun.declination), 23.5);
        for (const GeoPoint place : {GeoPoint{90, 0}, GeoPoint{-90, 0}, GeoPoint{0, 180},
                                     GeoPoint{0, -180}, GeoPoint{89.99, 179.99}}) {
            EXPECT_TRUE(std::isfinite(sun.altitudeAt(place)));
            const QDate date = QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).date();
            const SunEvents events = sunEventsOn(place, date, utc);
            EXPECT_TRUE(events.valid);
        }
    }
    // The North Pole has one sunrise a year, near the March equinox.
    int sunrises = 0;
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1))
        sunrises += sunEventsOn({90, 0}, day, utc).sunrise ? 1 : 0;
    EXPECT_EQ(sunrises, 1);
    EXPECT_FALSE(sunEventsOn({52, 13}, QDate(), utc).valid) << "a date that is none";
    EXPECT_FALSE(sunEventsOn({NAN, 13}, QDate(2026, 1, 1), utc).valid);
}

TEST(Projection, PlacesOnThePicture)
{
    // Greenwich on the equator: the middle of the UTC±0 column, 11.5 of 24 columns from the left.
    const std::optional<PicturePoint> greenwich = picturePoint({0, 0});
    ASSERT_TRUE(greenwich);
    EXPECT_NEAR(greenwich->x * 24, 11.5, 1e-9);
    // The band's edges are 84° N and 66° S; beyond them, no place on the map.
    EXPECT_NEAR(picturePoint({84, 0})->y * kPictureHeight, 14.0, 1e-9);
    EXPECT_NEAR(picturePoint({-66, 0})->y * kPictureHeight, 343.0, 1e-9);
    EXPECT_FALSE(picturePoint({84.01, 0}));
    EXPECT_FALSE(picturePoint({-78, 166}));
    EXPECT_FALSE(picturePoint({NAN, 0}));
    // Miller: the equator lies nearer the south edge than the north one.
    EXPECT_GT(greenwich->y * kPictureHeight, 14 + 329 / 2.0);
    // West of the left edge wraps to the right; the date line lies in the UTC+12 column.
    EXPECT_NEAR(picturePoint({0, -172.5})->x, 0.0, 1e-12);
    EXPECT_NEAR(picturePoint({0, -175})->x, 1.0 - 2.5 / 360, 1e-12);
    EXPECT_NEAR(picturePoint({0, 180})->x, picturePoint({0, -180})->x, 1e-12);
    EXPECT_EQ(int(picturePoint({0, 179.9})->x * 24), 23);
    // New Delhi lies in the column of UTC+5, Tokyo in that of UTC+9.
    EXPECT_EQ(int(picturePoint({28.6, 77.2})->x * 24) - 11, 5);
    EXPECT_EQ(int(picturePoint({35.65, 139.74})->x * 24) - 11, 9);

    for (const GeoPoint place : {GeoPoint{52.5, 13.37}, GeoPoint{-33.87, 151.2},
                                 GeoPoint{61.2, -149.9}, GeoPoint{-65.9, -172.4}}) {
        const GeoPoint back = geoPoint(*picturePoint(place));
        EXPECT_NEAR(back.latitude, place.latitude, 1e-9);
        EXPECT_NEAR(back.longitude, place.longitude, 1e-9);
    }
}

TEST(Projection, TheImageGeneratorDrawsWithTheSameNumbers)
{
    QFile script(QStringLiteral(ORBISCO_IMAGE_GENERATOR));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(script.readAll());
    const auto number = [&text](const QString &name) {
        const QRegularExpressionMatch match
            = QRegularExpression(u"\\n"_s + name + u"=([0-9]+)"_s).match(text);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    EXPECT_EQ(number(u"width"_s), kPictureWidth);
    EXPECT_EQ(number(u"top_band"_s), kTopBandHeight);
    EXPECT_EQ(number(u"map_height"_s), kMapBandHeight);
    EXPECT_EQ(number(u"bottom_band"_s), kBottomBandHeight);
    const QString region
        = u"R=-R%1/%2/%3/%4"_s.arg(kWestEdge).arg(kEastEdge).arg(kSouthEdge).arg(kNorthEdge);
    EXPECT_TRUE(text.contains(region)) << region.toStdString();
    EXPECT_TRUE(text.contains(u"-JJ"_s)) << "Miller's projection";
}

TEST(ZonePlaces, Iso6709)
{
    const std::optional<GeoPoint> berlin = localtime::iso6709Place("+5230+01322");
    ASSERT_TRUE(berlin);
    EXPECT_DOUBLE_EQ(berlin->latitude, 52.5);
    EXPECT_DOUBLE_EQ(berlin->longitude, 13 + 22 / 60.0);
    const std::optional<GeoPoint> troll = localtime::iso6709Place("-720041+0023206");
    ASSERT_TRUE(troll);
    EXPECT_DOUBLE_EQ(troll->latitude, -(72 + 41 / 3600.0));
    EXPECT_DOUBLE_EQ(troll->longitude, 2 + 32 / 60.0 + 6 / 3600.0);
    const std::optional<GeoPoint> west = localtime::iso6709Place("-1410-17042");
    ASSERT_TRUE(west);
    EXPECT_DOUBLE_EQ(west->longitude, -(170 + 42 / 60.0));

    for (const char *bad :
         {"", "+5230", "+5230+1322", "+5260+01322", "+9130+01322", "+5230+18100", "+523000+01322",
          "5230+01322", "+52a0+01322", "+5230+01322+", "+5230-013220", "+52300+013220"})
        EXPECT_FALSE(localtime::iso6709Place(bad)) << bad;
}

TEST(ZonePlaces, ReadFromZoneTab)
{
    const localtime::ZonePlaces places
        = localtime::ZonePlaces::fromText("# comment\tline\n"
                                          "DE\t+4742+00841\tEurope/Busingen\r\n"
                                          "DE\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
                                          "XX\t+9930+01322\tBad/Latitude\n"
                                          "XX\t+5230+01322\n"
                                          "\n"
                                          "XXX\t+5230+01322\tBad/Code\n"
                                          "AQ\t-720041+0023206\tAntarctica/Troll\tTroll");
    EXPECT_EQ(places.size(), 3);
    EXPECT_TRUE(places.place("Europe/Busingen"));
    EXPECT_TRUE(places.place("Antarctica/Troll"));
    EXPECT_FALSE(places.place("Bad/Latitude"));
    // Each country's zones in the order of their ids; a malformed place still names a zone.
    EXPECT_EQ(places.zonesOf("DE"), (QList<QByteArray>{"Europe/Berlin", "Europe/Busingen"}));
    EXPECT_EQ(places.zonesOf("XX"), QList<QByteArray>{"Bad/Latitude"});
    EXPECT_TRUE(places.zonesOf("XXX").isEmpty());

    // The system's file has every zone Qt gives a country, and its places lie on the Earth.
    localtime::ZoneDirectory directory;
    EXPECT_GT(directory.places().size(), 300);
    for (const QString &code : {u"DE"_s, u"US"_s, u"UK"_s, u"RU"_s, u"KI"_s}) {
        for (const QTimeZone &zone : directory.zones(code))
            EXPECT_TRUE(directory.places().place(zone.id())) << zone.id().toStdString();
    }

    // No file, a folder, or a pipe that nobody writes to: no places, and no wait.
    QTemporaryDir folder;
    const QString pipe = folder.filePath(u"zone.tab"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(localtime::ZonePlaces::fromFile(pipe).size(), 0);
    EXPECT_EQ(localtime::ZonePlaces::fromFile(folder.path()).size(), 0);
    EXPECT_EQ(localtime::ZonePlaces::fromFile(folder.filePath(u"none"_s)).size(), 0);
}
