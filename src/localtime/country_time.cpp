#include "localtime/country_time.h"

#include "data/utc_offset.h"

#include <algorithm>
#include <limits>

namespace orbisco::localtime {

namespace {

// What Qt gives for an offset it does not know.
constexpr int kInvalidSeconds = std::numeric_limits<int>::min();

// Every offset the zone uses in the year that starts at yearStart.
void addOffsetsOfYear(const QTimeZone &zone, const QDateTime &yearStart, QList<int> &offsets)
{
    const int atStart = zone.offsetFromUtc(yearStart);
    offsets.append(atStart);
    for (const QTimeZone::OffsetData &change : zone.transitions(yearStart, yearStart.addYears(1)))
        offsets.append(change.offsetFromUtc);
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

std::optional<ClockChange> nextChange(const QTimeZone &zone, const QDateTime &instant)
{
    if (!instant.isValid())
        return std::nullopt;
    const QDateTime from = instant.toUTC();
    const QDateTime end = from.addYears(1);
    const int before = zone.offsetFromUtc(from);
    QDateTime after = from;
    // A year holds a few transitions; those that change only the abbreviation are passed over.
    for (int looked = 0; looked < 16; ++looked) {
        const QTimeZone::OffsetData next = zone.nextTransition(after);
        if (!next.atUtc.isValid() || next.atUtc <= after || next.atUtc > end)
            return std::nullopt;
        if (next.offsetFromUtc != kInvalidSeconds && next.offsetFromUtc != before)
            return ClockChange{next.atUtc, before, next.offsetFromUtc, next.daylightTimeOffset > 0};
        after = next.atUtc;
    }
    return std::nullopt;
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

} // namespace orbisco::localtime
