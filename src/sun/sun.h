#pragma once

#include "geo/projection.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <optional>

namespace orbisco::sun {

// Where the sun stands at one instant, from the published low-precision solar formulas (NOAA's
// solar calculator, after Meeus), good to about an arc minute for centuries around today.
struct SunPosition
{
    double declination = 0;    // degrees: the latitude where the sun stands overhead
    double equationOfTime = 0; // minutes: apparent solar time minus mean solar time
    geo::GeoPoint subsolar;    // where the sun stands overhead

    // The sun's altitude above the horizon at a place, in degrees, without refraction.
    double altitudeAt(geo::GeoPoint place) const;
};

// The sun at an instant given in milliseconds since 1970-01-01 00:00 UTC.
SunPosition sunAt(qint64 msecsSinceEpoch);

// The altitude of the sun's centre when its upper limb touches the horizon, with the standard
// refraction: sunrise and sunset, and the edge of the day on the map.
inline constexpr double kHorizonAltitude = -0.833;
// Below this the sky is dark (civil twilight ends), and below the second it is fully night
// (astronomical twilight ends).
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNightAltitude = -18.0;

enum class DayState { Day, Twilight, Night };
// Day above the horizon altitude, twilight down to civil twilight's end, night below.
DayState dayState(double altitude);

// The sun's events on one local calendar date at a place.
struct SunEvents
{
    std::optional<QDateTime> sunrise; // the first sunrise that falls on the date
    std::optional<QDateTime> sunset;  // the first sunset that falls on the date
    // With neither: whether the sun stays up (midnight sun) or down (polar night) all the date.
    bool upAllDate = false;
    bool valid = false; // false when the date or the zone cannot say when the date begins or ends
};

// Sunrise and sunset at a place on date, a calendar date in zone (the date begins and ends at
// the zone's midnights); the times are in the zone.
SunEvents sunEventsOn(geo::GeoPoint place, QDate date, const QTimeZone &zone);

} // namespace orbisco::sun
