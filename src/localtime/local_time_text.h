#pragma once

#include "localtime/country_clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orbisco::localtime {

// What the local-time read-out says, in German, of a country's time at one instant: the words
// for what country_clock.h has looked up.

// What a zone's line says of it: "Europe/Berlin: Mi. 15:37, Tag, Sonnenaufgang 08:05,
// Sonnenuntergang 15:53" ("Sommerzeit" right after the time where it applies); without a place,
// only the zone and its time.
QString zoneLine(const ZoneFacts &zone);
// The same for a zone's time at `instant`, the zone's place known or not; the sun's events are
// those of the zone's own date, kept in sunDays or computed afresh.
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

    // Each of the country's zones with a place in zone.tab, with its line.
    struct Spot
    {
        QByteArray zoneId;
        geo::GeoPoint place;
        QString line;

        bool operator==(const Spot &) const = default;
    };
    std::vector<Spot> spots;

    bool operator==(const Readout &) const = default;
};
Readout readoutText(const CountryClock &clock);

// What the "Zeitzone:" read-out adds to the record's offset.
struct OffsetCheck
{
    // A line for each value of the built-in offset that none of the country's zones uses this
    // year, with the offsets in use now; empty when it agrees or nothing is known.
    QString details;
    bool stale = false; // a value of the built-in offset is not the database's

    bool operator==(const OffsetCheck &) const = default;
};
OffsetCheck offsetCheck(const CountryClock &clock);

// Looks up and writes at once (countryClockAt, then readoutText).
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

    bool operator==(const ShiftedReadout &) const = default;
};
ShiftedReadout shiftedReadout(const Readout &readout, const QDateTime &shown, int shiftHours);

} // namespace orbisco::localtime
