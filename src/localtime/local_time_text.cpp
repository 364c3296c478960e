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

// "Tag, Sonnenaufgang 08:05, Sonnenuntergang 15:53": the sun at a place now, and its events on
// the zone's date there.
QString sunText(geo::GeoPoint place, const ZoneTime &time, const QDateTime &instant,
                SunDays &sunDays)
{
    static const QString kStates[]
        = {QStringLiteral("Tag"), QStringLiteral("Dämmerung"), QStringLiteral("Nacht")};
    const double altitude = sun::sunAt(instant.toMSecsSinceEpoch()).altitudeAt(place);
    QString text = kStates[int(sun::dayState(altitude))];
    const sun::SunEvents &events = sunDays.on(time.zone, place, time.local.date());
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

// "Umstellung am So. 28.03.2027 um 02:00 auf UTC+02:00, Sommerzeit": the next change of the
// zones that have an offset now, the earliest of them (the first by name where several change
// then), named where it is not the line's own zone's.
QString changeLine(const CountryTime &time, const ZoneTime &line, const QDateTime &instant)
{
    std::optional<ClockChange> earliest;
    QByteArray changing;
    for (const ZoneTime &zone : time.zones) {
        if (zone.offsetSeconds != line.offsetSeconds)
            continue;
        const std::optional<ClockChange> change = nextChange(zone.zone, instant);
        if (change && (!earliest || change->atUtc < earliest->atUtc)) {
            earliest = change;
            changing = zone.zone.id();
        }
    }
    if (!earliest)
        return {};
    // The clock's reading just before the change.
    const QDateTime before = earliest->atUtc.toUTC().addSecs(earliest->offsetBefore);
    QString text = QStringLiteral("Umstellung am %1 um %2 auf UTC%3")
                       .arg(german().toString(before.date(), QStringLiteral("ddd dd.MM.yyyy")),
                            before.time().toString(QStringLiteral("HH:mm")),
                            writtenOffset(earliest->offsetAfter, OffsetForm::HoursAndMinutes));
    if (earliest->summerTime)
        text += QStringLiteral(", Sommerzeit");
    if (changing != line.zone.id())
        text += QStringLiteral(" (%1)").arg(QString::fromLatin1(changing));
    return text;
}

} // namespace

QString zoneLine(const ZoneTime &time, const std::optional<geo::GeoPoint> &place,
                 const QDateTime &instant, SunDays *sunDays)
{
    QString line = QStringLiteral("%1: %2").arg(QString::fromLatin1(time.zone.id()),
                                                german().toString(time.local, u"ddd HH:mm"));
    if (time.summerTime)
        line += QStringLiteral(", Sommerzeit");
    if (place) {
        SunDays once;
        line += QStringLiteral(", ") + sunText(*place, time, instant, sunDays ? *sunDays : once);
    }
    return line;
}

Readout readoutAt(const QString &code, QStringView builtInOffset, const QList<QTimeZone> &zones,
                  const QDateTime &instant, const ZonePlaces &places, SunDays *sunDays)
{
    const QString unknown = QStringLiteral("Ortszeit: ?");
    if (code.isEmpty())
        return {unknown, QStringLiteral("Für diesen Eintrag gibt es keine Angaben."), {}, {}};
    const QList<BuiltInOffset> builtIn = builtInOffsets(builtInOffset);
    if (builtIn.isEmpty() && !builtInOffset.isEmpty()) {
        return {unknown,
                QStringLiteral("Die eingebaute Angabe %1 ist keine lesbare Zeitzone.")
                    .arg(builtInOffset),
                {},
                {}};
    }
    const CountryTime time = countryTimeAt(zones, instant);
    if (!time.known()) {
        return {unknown,
                QStringLiteral("Die Zeitzonendatenbank kennt für %1 keine Zeitzone.").arg(code),
                {},
                {}};
    }

    const QLocale locale = german();
    const ZoneTime &earliest = time.offsets.front();
    const ZoneTime &latest = time.offsets.back();
    Readout readout;
    if (time.offsets.size() == 1) {
        readout.text = QStringLiteral("Ortszeit: ")
            + locale.toString(earliest.local, QStringLiteral("ddd HH:mm"));
    } else {
        readout.text = QStringLiteral("Ortszeit: %1 – %2")
                           .arg(locale.toString(earliest.local, QStringLiteral("HH:mm")),
                                locale.toString(latest.local, QStringLiteral("HH:mm")));
    }

    // Each zone with a place, with its line; the offsets' lines are those of their zones.
    SunDays once;
    SunDays &days = sunDays ? *sunDays : once;
    for (const ZoneTime &zone : time.zones) {
        const std::optional<geo::GeoPoint> place = places.place(zone.zone.id());
        if (place)
            readout.spots.push_back(
                {zone.zone.id(), *place, zoneLine(zone, place, instant, &days)});
    }
    QStringList lines;
    QStringList inUse;
    for (const ZoneTime &zone : time.offsets) {
        const QString offset = writtenOffset(zone.offsetSeconds, OffsetForm::HoursAndMinutes);
        inUse.append(offset);
        const auto spot = std::ranges::find(readout.spots, zone.zone.id(), &Readout::Spot::zoneId);
        lines.append(
            QStringLiteral("UTC%1 ").arg(offset)
            + (spot != readout.spots.end() ? spot->line : zoneLine(zone, std::nullopt, instant)));
        const QString change = changeLine(time, zone, instant);
        if (!change.isEmpty())
            lines.append(change);
    }
    const QString today = inUse.size() == 1 ? QStringLiteral("; heute gilt %1.")
                                            : QStringLiteral("; heute gelten %1.");
    QStringList notes;
    for (const BuiltInOffset &value : builtIn) {
        if (!time.offsetsThisYear.contains(value.seconds)) {
            const QString differs = QStringLiteral("Die eingebaute Angabe %1 weicht von der "
                                                   "Zeitzonendatenbank ab")
                                        .arg(value.written);
            lines.append(differs);
            notes.append(differs + today.arg(inUse.join(QStringLiteral(", "))));
        }
    }
    readout.details = lines.join(u'\n');
    readout.offsetNote = notes.join(u'\n');
    return readout;
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
