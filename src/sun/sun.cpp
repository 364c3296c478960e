#include "sun/sun.h"

#include "geo/degrees.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orbisco::sun {

namespace {

constexpr double kMsecsPerDay = 86'400'000.0;
constexpr double kMsecsPerMinute = 60'000.0;
// Julian day of 1970-01-01 00:00 UTC, and of the epoch J2000.0.
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kJ2000 = 2451545.0;

double sinDeg(double degrees)
{
    return std::sin(degrees * geo::kDegree);
}

double cosDeg(double degrees)
{
    return std::cos(degrees * geo::kDegree);
}

// An angle in degrees brought to [0, 360).
double normalized(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360.0 : turned;
}

// The sun's hour angle at a place, in degrees from 0 to 360: 0 at its transit, growing 15° an
// hour; the sun stands overhead where it is 0.
double hourAngle(const SunPosition &sun, double longitude)
{
    return normalized(longitude - sun.subsolar.longitude);
}

} // namespace

SunPosition sunAt(qint64 msecsSinceEpoch)
{
    const double julianDay = kUnixEpochJulianDay + double(msecsSinceEpoch) / kMsecsPerDay;
    const double t = (julianDay - kJ2000) / 36525.0; // Julian centuries since J2000.0

    const double meanLongitude = normalized(280.46646 + t * (36000.76983 + t * 0.0003032));
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = sinDeg(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t))
        + sinDeg(2 * meanAnomaly) * (0.019993 - 0.000101 * t) + sinDeg(3 * meanAnomaly) * 0.000289;
    const double omega = 125.04 - 1934.136 * t; // the Moon's ascending node, for nutation
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDeg(omega);
    const double meanObliquity
        = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = meanObliquity + 0.00256 * cosDeg(omega);

    SunPosition sun;
    sun.declination
        = std::asin(std::clamp(sinDeg(obliquity) * sinDeg(apparentLongitude), -1.0, 1.0))
        / geo::kDegree;
    const double y = std::pow(std::tan(obliquity / 2.0 * geo::kDegree), 2);
    const double l0 = meanLongitude * geo::kDegree;
    const double m = meanAnomaly * geo::kDegree;
    sun.equationOfTime = 4.0 / geo::kDegree
        * (y * std::sin(2 * l0) - 2 * eccentricity * std::sin(m)
           + 4 * eccentricity * y * std::sin(m) * std::cos(2 * l0) - 0.5 * y * y * std::sin(4 * l0)
           - 1.25 * eccentricity * eccentricity * std::sin(2 * m));

    // Overhead where the hour angle is 0: true solar noon.
    const double minutesOfDay = std::fmod(double(msecsSinceEpoch), kMsecsPerDay) / kMsecsPerMinute;
    double longitude = std::fmod((720.0 - minutesOfDay - sun.equationOfTime) / 4.0, 360.0);
    if (longitude < -180.0)
        longitude += 360.0;
    else if (longitude >= 180.0)
        longitude -= 360.0;
    sun.subsolar = {sun.declination, longitude};
    return sun;
}

double SunPosition::altitudeAt(geo::GeoPoint place) const
{
    const double sine = sinDeg(place.latitude) * sinDeg(declination)
        + cosDeg(place.latitude) * cosDeg(declination) * cosDeg(hourAngle(*this, place.longitude));
    return std::asin(std::clamp(sine, -1.0, 1.0)) / geo::kDegree;
}

DayState dayState(double altitude)
{
    if (altitude > kHorizonAltitude)
        return DayState::Day;
    return altitude >= kCivilTwilightAltitude ? DayState::Twilight : DayState::Night;
}

SunEvents sunEventsOn(geo::GeoPoint place, QDate date, const QTimeZone &zone)
{
    SunEvents events;
    const QDateTime begin = date.startOfDay(zone);
    const QDateTime end = date.addDays(1).startOfDay(zone);
    if (!begin.isValid() || !end.isValid() || end <= begin || !std::isfinite(place.latitude)
        || !std::isfinite(place.longitude))
        return events;
    events.valid = true;

    // Above the horizon by how much, at an instant.
    const auto above
        = [&place](qint64 at) { return sunAt(at).altitudeAt(place) - kHorizonAltitude; };
    const qint64 first = begin.toMSecsSinceEpoch();
    const qint64 last = end.toMSecsSinceEpoch();

    // The sun climbs from its lowest, at the place's solar midnight, to its highest, at its solar
    // noon, and sinks again: between two of those turns it crosses the horizon at most once. The
    // turns fall where the hour angle is a multiple of 180°; they are found to the second.
    std::vector<qint64> turns{first};
    const double halfDay = kMsecsPerDay / 2;
    const auto nextTurn = [&](qint64 from) {
        double at = double(from);
        for (int step = 0; step < 3; ++step) {
            const double angle = std::fmod(hourAngle(sunAt(qint64(at)), place.longitude), 180.0);
            double ahead = (180.0 - angle) / 360.0 * kMsecsPerDay;
            if (step > 0 && ahead > halfDay / 2)
                ahead -= halfDay; // just past it: step back
            at += ahead;
        }
        return qint64(at);
    };
    // A date has two or three turns; far from today, where the formulas no longer hold, never
    // more than a few are looked for.
    qint64 turn = nextTurn(first);
    for (int found = 0; turn < last && found < 6; ++found) {
        if (turn > turns.back())
            turns.push_back(turn);
        turn = std::max(nextTurn(turn + 60'000), turn + 60'000);
    }
    turns.push_back(last);

    const auto local = [&zone](qint64 at) {
        return QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).toTimeZone(zone);
    };
    for (size_t i = 1; i < turns.size(); ++i) {
        qint64 low = turns[i - 1];
        qint64 high = turns[i];
        const bool wasUp = above(low) >= 0;
        if (wasUp == (above(high) >= 0))
            continue;
        std::optional<QDateTime> &event = wasUp ? events.sunset : events.sunrise;
        while (high - low > 500) {
            const qint64 middle = low + (high - low) / 2;
            ((above(middle) >= 0) == wasUp ? low : high) = middle;
        }
        if (!event)
            event = local(high);
    }
    events.upAllDate = !events.sunrise && !events.sunset && above(first) >= 0;
    return events;
}

} // namespace orbisco::sun
