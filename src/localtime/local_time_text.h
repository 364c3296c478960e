#pragma once

#include "geo/projection.h"
#include "localtime/country_time.h"
#include "localtime/zone_places.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orbisco::localtime {

// What the local-time read-out says, in German, of a country's time at one instant.

// What a zone's line says of it at `instant`, the zone's place known or not:
// "Europe/Berlin: Mi. 15:37, Tag, Sonnenaufgang 08:05, Sonnenuntergang 15:53" ("Sommerzeit"
// right after the time where it applies); without a place, only the zone and its time. The sun's
// events are those of the zone's own date; sunDays keeps them, or they are computed afresh.
QString zoneLine(const ZoneTime &time, const std::optional<geo::GeoPoint> &place,
                 const QDateTime &instant, SunDays *sunDays = nullptr);

// What the local-time read-out shows for the country the details panel shows.
struct Readout
{
    // "Ortszeit: Mi. 14:32" for one local time, "Ortszeit: 08:32 – 13:32" from the earliest to
    // the latest of several, "Ortszeit: ?" when there is none.
    QString text;
    // The whole answer, a line each: every current offset with one of its zones and its local
    // time, marked "Sommerzeit" where that applies, each followed by the next change of offset
    // of its zones within a year ("Umstellung am So. 28.03.2027 um 02:00 auf UTC+02:00,
    // Sommerzeit"), and a line for each value of the built-in offset that none of the
    // country's zones uses this year. Or why there is no time.
    QString details;

    // For the "Zeitzone:" read-out, a line for each value of the built-in offset that none of the
    // country's zones uses this year, with the offsets in use now; empty when it agrees.
    QString offsetNote;

    // Each of the country's zones with a place in zone.tab, with its line.
    struct Spot
    {
        QByteArray zoneId;
        geo::GeoPoint place;
        QString line;
    };
    std::vector<Spot> spots;
};

// code: the code of the shown record, empty when the panel shows "?"; builtInOffset: the
// record's own offset text; zones: the country's zones; places: where the zones lie, for the sun
// there; sunDays: the sun's events kept from earlier calls, if any.
Readout readoutAt(const QString &code, QStringView builtInOffset, const QList<QTimeZone> &zones,
                  const QDateTime &instant, const ZonePlaces &places = {},
                  SunDays *sunDays = nullptr);

// How far the shown instant lies from now, in German: "in 3 Std.", "vor 1 Tag 2 Std.",
// "in 2 Tagen"; empty for no shift. hours: after now positive, before it negative.
QString shiftText(int hours);

// The read-out as it reads while the shown instant is shifted: "Ortszeit in 3 Std.: Do. 07:40",
// its details headed by the shown instant in UTC and how to come back, "Angezeigt: Do.
// 10.12.2026 07:40 UTC, in 3 Std. (J oder Klick: jetzt)". Unshifted, both as they are.
struct ShiftedReadout
{
    QString text;
    QString details;
};
ShiftedReadout shiftedReadout(const Readout &readout, const QDateTime &shown, int shiftHours);

} // namespace orbisco::localtime
