#pragma once

#include "localtime/zone_places.h"
#include "map/projection.h"
#include "map/utc_offset.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orbisco::localtime {

// What one of a country's UTC offsets means now: one zone that has it, and its local time.
struct ZoneTime
{
    QTimeZone zone;
    int offsetSeconds = 0;
    bool summerTime = false; // daylight saving time ahead of standard time is in effect
    QDateTime local;
};

// A country's time at one instant, from its zones in the system database.
struct CountryTime
{
    std::vector<ZoneTime> zones;   // every zone that can say its time, in the zones' order
    std::vector<ZoneTime> offsets; // one per distinct current offset, westmost first
    QList<int> offsetsThisYear;    // every offset its zones use in the instant's year, ascending

    bool known() const { return !offsets.empty(); }
};

// The country's time at `instant`. A zone that cannot say its time then (an instant beyond the
// range its data covers) is left out; an invalid instant knows no zone.
CountryTime countryTimeAt(const QList<QTimeZone> &zones, const QDateTime &instant);

// One zone's time at `instant`; empty when its data say nothing of that instant.
std::optional<ZoneTime> zoneTimeAt(const QTimeZone &zone, const QDateTime &instant);

// What a zone's line says of it at `instant`, the zone's place known or not:
// "Europe/Berlin: Mi. 15:37, Tag, Sonnenaufgang 08:05, Sonnenuntergang 15:53" ("Sommerzeit"
// right after the time where it applies); without a place, only the zone and its time.
QString zoneLine(const ZoneTime &time, const std::optional<map::GeoPoint> &place,
                 const QDateTime &instant);

// A written UTC offset in seconds: "+04:30", "-11:00", "+06"; empty if it is none.
using map::offsetSeconds;

struct BuiltInOffset
{
    QStringView written;
    int seconds;
};

// The built-in offset text's values: one, or both ends of a range "+07:00 - +10:00". Empty for
// an empty or unreadable text.
QList<BuiltInOffset> builtInOffsets(QStringView text);

// What the local-time read-out shows for the country the details panel shows.
struct Readout
{
    // "Ortszeit: Mi. 14:32" for one local time, "Ortszeit: 08:32 – 13:32" from the earliest to
    // the latest of several, "Ortszeit: ?" when there is none.
    QString text;
    // The whole answer, a line each: every current offset with one of its zones and its local
    // time, marked "Sommerzeit" where that applies, and a line for each value of the built-in
    // offset that none of the country's zones uses this year. Or why there is no time.
    QString details;

    // For the "Zeitzone:" read-out, a line for each value of the built-in offset that none of the
    // country's zones uses this year, with the offsets in use now; empty when it agrees.
    QString offsetNote;

    // Each of the country's zones with a place in zone.tab, with its line.
    struct Spot
    {
        QByteArray zoneId;
        map::GeoPoint place;
        QString line;
    };
    std::vector<Spot> spots;
};

// code: the code of the shown record, empty when the panel shows "?"; builtInOffset: the
// record's own offset text; zones: the country's zones; places: where the zones lie, for the sun
// there.
Readout readoutAt(const QString &code, QStringView builtInOffset, const QList<QTimeZone> &zones,
                  const QDateTime &instant, const ZonePlaces &places = {});

// Milliseconds from `now` to the start of the next minute, 1 to 60,000: a minute's display is
// due again then, and midnight and daylight saving switches fall on whole minutes.
int msecsToNextMinute(const QDateTime &now);

} // namespace orbisco::localtime
