#pragma once

#include "localtime/country_time.h"
#include "localtime/sun_days.h"
#include "localtime/zone_places.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orbisco::localtime {

// Everything the local-time read-out says of a country at one instant, looked up once: its zones
// with their times and the sun at their places, each offset with its next change, and how the
// built-in offset stands to the database. The read-out's texts (local_time_text.h) only write it.

// One zone at the instant, with what the sun does at its place.
struct ZoneFacts
{
    ZoneTime time;
    std::optional<geo::GeoPoint> place;          // from zone.tab; no sun without it
    sun::DayState daylight = sun::DayState::Day; // at the place, at the instant
    sun::SunEvents sunDay; // at the place on the zone's own date; invalid without a place
};

// One of the country's offsets now.
struct OffsetFacts
{
    ZoneFacts zone; // the first of the country's zones with the offset
    // The earliest next change of offset within a year of the zones that have the offset now,
    // the first by name where several change then, and whose it is.
    std::optional<ClockChange> change;
    QByteArray changingZone;
};

// One value of the built-in offset text.
struct BuiltInFacts
{
    QString written; // "+01:00"
    int seconds = 0;
    bool usedThisYear = false; // by one of the country's zones in the instant's year
};

struct CountryClock
{
    enum class State {
        NoRecord,         // the panel shows "?"
        UnreadableOffset, // the built-in offset is no offset
        NoZone,           // the database knows no zone of the country at the instant
        Known,
    };
    State state = State::NoRecord;
    QString code;
    QString builtInText;
    std::vector<ZoneFacts> zones;     // every zone that can say its time, in the zones' order
    std::vector<OffsetFacts> offsets; // one per distinct offset now, westmost first
    std::vector<BuiltInFacts> builtIn;
};

// The facts of one zone at an instant; the sun's events come from days.
ZoneFacts zoneFactsAt(const ZoneTime &time, const std::optional<geo::GeoPoint> &place,
                      const QDateTime &instant, SunDays &days);

// code: the shown record's code, empty while the panel shows "?"; builtInOffset: the record's own
// offset text; zones: the country's zones; places: where the zones lie; days: the sun's events
// kept from earlier calls.
CountryClock countryClockAt(const QString &code, QStringView builtInOffset,
                            const QList<QTimeZone> &zones, const QDateTime &instant,
                            const ZonePlaces &places, SunDays &days);

} // namespace orbisco::localtime
