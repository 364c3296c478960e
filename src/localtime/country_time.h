#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringView>
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

struct BuiltInOffset
{
    QStringView written;
    int seconds;
};

// The built-in offset text's values: one, or both ends of a range "+07:00 - +10:00". Empty for
// an empty or unreadable text.
QList<BuiltInOffset> builtInOffsets(QStringView text);

// A change of a zone's offset from UTC.
struct ClockChange
{
    QDateTime atUtc;
    int offsetBefore = 0; // seconds
    int offsetAfter = 0;
    bool summerTime = false; // the new period saves daylight
};

// The zone's next change of offset after `instant`, within a year; a change of its abbreviation
// alone, with the same offset, is none. From the time-zone database's transitions.
std::optional<ClockChange> nextChange(const QTimeZone &zone, const QDateTime &instant);

} // namespace orbisco::localtime
