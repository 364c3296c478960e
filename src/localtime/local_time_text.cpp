#include "localtime/local_time_text.h"

#include "data/utc_offset.h"
#include "sun/sun.h"

#include <QLocale>

#include <algorithm>

namespace orbisco::localtime {

namespace {

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// "Tag, Sonnenaufgang 08:05, Sonnenuntergang 15:53": the sun at a zone's place now, and its
// events on the zone's date there.
QString sunText(const ZoneFacts &zone)
{
    static const QString kStates[]
        = {QStringLiteral("Tag"), QStringLiteral("Dämmerung"), QStringLiteral("Nacht")};
    QString text = kStates[int(zone.daylight)];
    const sun::SunEvents &events = zone.sunDay;
    if (!events.valid)
        return text;
    // To the nearest minute.
    const auto minute
        = [](const QDateTime &at) { return at.addSecs(30).toString(QStringLiteral("HH:mm")); };
    if (events.sunrise)
        text += QStringLiteral(", Sonnenaufgang ") + minute(*events.sunrise);
    if (events.sunset)
        text += QStringLiteral(", Sonnenuntergang ") + minute(*events.sunset);
    if (!events.sunrise && !events.sunset)
        text += events.upAllDate ? QStringLiteral(", Mitternachtssonne")
                                 : QStringLiteral(", Polarnacht");
    return text;
}

// "Umstellung am So. 28.03.2027 um 02:00 auf UTC+02:00, Sommerzeit": an offset's next change,
// named where it is not the line's own zone's.
QString changeLine(const OffsetFacts &offset)
{
    if (!offset.change)
        return {};
    const ClockChange &change = *offset.change;
    // The clock's reading just before the change.
    const QDateTime before = change.atUtc.toUTC().addSecs(change.offsetBefore);
    QString text = QStringLiteral("Umstellung am %1 um %2 auf UTC%3")
                       .arg(german().toString(before.date(), QStringLiteral("ddd dd.MM.yyyy")),
                            before.time().toString(QStringLiteral("HH:mm")),
                            writtenOffset(change.offsetAfter, OffsetForm::HoursAndMinutes));
    if (change.summerTime)
        text += QStringLiteral(", Sommerzeit");
    if (offset.changingZone != offset.zone.time.zone.id())
        text += QStringLiteral(" (%1)").arg(QString::fromLatin1(offset.changingZone));
    return text;
}

// "+05:45": an offset as its line names it.
QString written(const OffsetFacts &offset)
{
    return writtenOffset(offset.zone.time.offsetSeconds, OffsetForm::HoursAndMinutes);
}

// A value of the built-in offset that none of the country's zones uses this year.
QString differs(const BuiltInFacts &value)
{
    return QStringLiteral("Die eingebaute Angabe %1 weicht von der Zeitzonendatenbank ab")
        .arg(value.written);
}

} // namespace

QString zoneLine(const ZoneFacts &zone)
{
    const ZoneTime &time = zone.time;
    QString line = QStringLiteral("%1: %2").arg(QString::fromLatin1(time.zone.id()),
                                                german().toString(time.local, u"ddd HH:mm"));
    if (time.summerTime)
        line += QStringLiteral(", Sommerzeit");
    if (zone.place)
        line += QStringLiteral(", ") + sunText(zone);
    return line;
}

QString zoneLine(const ZoneTime &time, const std::optional<geo::GeoPoint> &place,
                 const QDateTime &instant, SunDays *sunDays)
{
    SunDays once;
    return zoneLine(zoneFactsAt(time, place, instant, sunDays ? *sunDays : once));
}

Readout readoutText(const CountryClock &clock)
{
    const QString unknown = QStringLiteral("Ortszeit: ?");
    switch (clock.state) {
    case CountryClock::State::NoRecord:
        return {unknown, QStringLiteral("Für diesen Eintrag gibt es keine Angaben."), {}};
    case CountryClock::State::UnreadableOffset:
        return {unknown,
                QStringLiteral("Die eingebaute Angabe %1 ist keine lesbare Zeitzone.")
                    .arg(clock.builtInText),
                {}};
    case CountryClock::State::NoZone:
        return {
            unknown,
            QStringLiteral("Die Zeitzonendatenbank kennt für %1 keine Zeitzone.").arg(clock.code),
            {}};
    case CountryClock::State::Known:
        break;
    }

    const QLocale locale = german();
    const ZoneTime &earliest = clock.offsets.front().zone.time;
    const ZoneTime &latest = clock.offsets.back().zone.time;
    Readout readout;
    if (clock.offsets.size() == 1) {
        readout.text = QStringLiteral("Ortszeit: ")
            + locale.toString(earliest.local, QStringLiteral("ddd HH:mm"));
    } else {
        readout.text = QStringLiteral("Ortszeit: %1 – %2")
                           .arg(locale.toString(earliest.local, QStringLiteral("HH:mm")),
                                locale.toString(latest.local, QStringLiteral("HH:mm")));
    }

    // Each zone with a place, with its line; the offsets' lines are those of their zones.
    for (const ZoneFacts &zone : clock.zones) {
        if (zone.place)
            readout.spots.push_back({zone.time.zone.id(), *zone.place, zoneLine(zone)});
    }
    QStringList lines;
    for (const OffsetFacts &offset : clock.offsets) {
        lines.append(QStringLiteral("UTC%1 ").arg(written(offset)) + zoneLine(offset.zone));
        const QString change = changeLine(offset);
        if (!change.isEmpty())
            lines.append(change);
    }
    for (const BuiltInFacts &value : clock.builtIn) {
        if (!value.usedThisYear)
            lines.append(differs(value));
    }
    readout.details = lines.join(u'\n');
    return readout;
}

OffsetCheck offsetCheck(const CountryClock &clock)
{
    QStringList inUse;
    for (const OffsetFacts &offset : clock.offsets)
        inUse.append(written(offset));
    const QString today = inUse.size() == 1 ? QStringLiteral("; heute gilt %1.")
                                            : QStringLiteral("; heute gelten %1.");
    QStringList notes;
    for (const BuiltInFacts &value : clock.builtIn) {
        if (!value.usedThisYear)
            notes.append(differs(value) + today.arg(inUse.join(QStringLiteral(", "))));
    }
    return {notes.join(u'\n'), !notes.isEmpty()};
}

Readout readoutAt(const QString &code, QStringView builtInOffset, const QList<QTimeZone> &zones,
                  const QDateTime &instant, const ZonePlaces &places, SunDays *sunDays)
{
    SunDays once;
    return readoutText(
        countryClockAt(code, builtInOffset, zones, instant, places, sunDays ? *sunDays : once));
}

QString shiftText(int hours)
{
    if (hours == 0)
        return {};
    const int days = std::abs(hours) / 24;
    const int rest = std::abs(hours) % 24;
    QStringList parts;
    if (days > 0)
        parts << (days == 1 ? QStringLiteral("1 Tag") : QStringLiteral("%1 Tagen").arg(days));
    if (rest > 0)
        parts << QStringLiteral("%1 Std.").arg(rest);
    return (hours > 0 ? QStringLiteral("in ") : QStringLiteral("vor ")) + parts.join(u' ');
}

ShiftedReadout shiftedReadout(const Readout &readout, const QDateTime &shown, int shiftHours)
{
    const QString shift = shiftText(shiftHours);
    if (shift.isEmpty())
        return {readout.text, readout.details};
    static const QString kOrtszeit = QStringLiteral("Ortszeit");
    QString text = readout.text;
    if (text.startsWith(kOrtszeit))
        text.insert(kOrtszeit.size(), u' ' + shift);
    const QString at = shown.isValid()
        ? german().toString(shown.toUTC(), QStringLiteral("ddd dd.MM.yyyy HH:mm"))
            + QStringLiteral(" UTC")
        : QStringLiteral("?");
    return {text,
            QStringLiteral("Angezeigt: %1, %2 (J oder Klick: jetzt)\n").arg(at, shift)
                + readout.details};
}

} // namespace orbisco::localtime
