#include "localtime/country_time.h"

#include "map/sun.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orbisco::localtime {

namespace {

constexpr qint64 kMsecsPerMinute = 60'000;
// What Qt gives for an offset it does not know.
constexpr int kInvalidSeconds = std::numeric_limits<int>::min();

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// Every offset the zone uses in the year that starts at yearStart.
void addOffsetsOfYear(const QTimeZone &zone, const QDateTime &yearStart, QList<int> &offsets)
{
    const int atStart = zone.offsetFromUtc(yearStart);
    offsets.append(atStart);
    for (const QTimeZone::OffsetData &change : zone.transitions(yearStart, yearStart.addYears(1)))
        offsets.append(change.offsetFromUtc);
}

// "Tag, Sonnenaufgang 08:05, Sonnenuntergang 15:53": the sun at a place now, and its events on
// the zone's date there.
QString sunText(map::GeoPoint place, const ZoneTime &time, const QDateTime &instant)
{
    static const QString kStates[]
        = {QStringLiteral("Tag"), QStringLiteral("Dämmerung"), QStringLiteral("Nacht")};
    const double altitude = map::sunAt(instant.toMSecsSinceEpoch()).altitudeAt(place);
    QString text = kStates[int(map::dayState(altitude))];
    const map::SunEvents events = map::sunEventsOn(place, time.local.date(), time.zone);
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

} // namespace

std::optional<ZoneTime> zoneTimeAt(const QTimeZone &zone, const QDateTime &instant)
{
    if (!instant.isValid())
        return std::nullopt;
    const QDateTime utc = instant.toUTC();
    const QTimeZone::OffsetData now = zone.offsetData(utc);
    const QDateTime local = utc.toTimeZone(zone);
    if (!now.atUtc.isValid() || now.offsetFromUtc == kInvalidSeconds || !local.isValid())
        return std::nullopt; // the zone's data say nothing of this instant
    return ZoneTime{zone, now.offsetFromUtc, now.daylightTimeOffset > 0, local};
}

QString zoneLine(const ZoneTime &time, const std::optional<map::GeoPoint> &place,
                 const QDateTime &instant)
{
    QString line = QStringLiteral("%1: %2").arg(QString::fromLatin1(time.zone.id()),
                                                german().toString(time.local, u"ddd HH:mm"));
    if (time.summerTime)
        line += QStringLiteral(", Sommerzeit");
    if (place)
        line += QStringLiteral(", ") + sunText(*place, time, instant);
    return line;
}

CountryTime countryTimeAt(const QList<QTimeZone> &zones, const QDateTime &instant)
{
    CountryTime time;
    if (!instant.isValid())
        return time;
    const QDateTime utc = instant.toUTC();
    const QDateTime yearStart(QDate(utc.date().year(), 1, 1), QTime(0, 0), Qt::UTC);

    for (const QTimeZone &zone : zones) {
        const std::optional<ZoneTime> now = zoneTimeAt(zone, utc);
        if (!now)
            continue;
        addOffsetsOfYear(zone, yearStart, time.offsetsThisYear);
        time.zones.push_back(*now);

        const auto same
            = std::ranges::find(time.offsets, now->offsetSeconds, &ZoneTime::offsetSeconds);
        if (same == time.offsets.end())
            time.offsets.push_back(*now);
    }
    std::ranges::sort(time.offsets, {}, &ZoneTime::offsetSeconds);
    std::ranges::sort(time.offsetsThisYear);
    time.offsetsThisYear.erase(
        std::unique(time.offsetsThisYear.begin(), time.offsetsThisYear.end()),
        time.offsetsThisYear.end());
    time.offsetsThisYear.removeAll(kInvalidSeconds);
    return time;
}

QList<BuiltInOffset> builtInOffsets(QStringView text)
{
    QList<BuiltInOffset> values;
    for (QStringView end : text.split(QStringLiteral(" - "))) {
        const std::optional<int> seconds = offsetSeconds(end);
        if (!seconds)
            return {};
        values.append({end, *seconds});
    }
    return values.size() <= 2 ? values : QList<BuiltInOffset>();
}

Readout readoutAt(const QString &code, QStringView builtInOffset, const QList<QTimeZone> &zones,
                  const QDateTime &instant, const ZonePlaces &places)
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
    for (const ZoneTime &zone : time.zones) {
        const std::optional<map::GeoPoint> place = places.place(zone.zone.id());
        if (place)
            readout.spots.push_back({zone.zone.id(), *place, zoneLine(zone, place, instant)});
    }
    QStringList lines;
    QStringList inUse;
    for (const ZoneTime &zone : time.offsets) {
        const QString offset
            = map::writtenOffset(zone.offsetSeconds, map::OffsetForm::HoursAndMinutes);
        inUse.append(offset);
        const auto spot = std::ranges::find(readout.spots, zone.zone.id(), &Readout::Spot::zoneId);
        lines.append(
            QStringLiteral("UTC%1 ").arg(offset)
            + (spot != readout.spots.end() ? spot->line : zoneLine(zone, std::nullopt, instant)));
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

int msecsToNextMinute(const QDateTime &now)
{
    if (!now.isValid())
        return int(kMsecsPerMinute);
    const qint64 intoMinute
        = ((now.toMSecsSinceEpoch() % kMsecsPerMinute) + kMsecsPerMinute) % kMsecsPerMinute;
    return int(kMsecsPerMinute - intoMinute);
}

} // namespace orbisco::localtime
