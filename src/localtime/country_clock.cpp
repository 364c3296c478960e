#include "localtime/country_clock.h"

#include <algorithm>

namespace orbisco::localtime {

ZoneFacts zoneFactsAt(const ZoneTime &time, const std::optional<geo::GeoPoint> &place,
                      const QDateTime &instant, SunDays &days)
{
    ZoneFacts facts{time, place, sun::DayState::Day, {}};
    if (place) {
        facts.daylight = sun::dayState(sun::sunAt(instant.toMSecsSinceEpoch()).altitudeAt(*place));
        facts.sunDay = days.on(time.zone, *place, time.local.date());
    }
    return facts;
}

CountryClock countryClockAt(const QString &code, QStringView builtInOffset,
                            const QList<QTimeZone> &zones, const QDateTime &instant,
                            const ZonePlaces &places, SunDays &days)
{
    CountryClock clock;
    clock.code = code;
    clock.builtInText = builtInOffset.toString();
    if (code.isEmpty())
        return clock;
    const QList<BuiltInOffset> builtIn = builtInOffsets(builtInOffset);
    if (builtIn.isEmpty() && !builtInOffset.isEmpty()) {
        clock.state = CountryClock::State::UnreadableOffset;
        return clock;
    }
    const CountryTime time = countryTimeAt(zones, instant);
    if (!time.known()) {
        clock.state = CountryClock::State::NoZone;
        return clock;
    }
    clock.state = CountryClock::State::Known;

    for (const ZoneTime &zone : time.zones)
        clock.zones.push_back(zoneFactsAt(zone, places.place(zone.zone.id()), instant, days));
    for (const ZoneTime &offset : time.offsets) {
        OffsetFacts facts;
        const auto first
            = std::ranges::find(clock.zones, offset.zone.id(),
                                [](const ZoneFacts &zone) { return zone.time.zone.id(); });
        facts.zone = first != clock.zones.end() ? *first : zoneFactsAt(offset, {}, instant, days);
        for (const ZoneTime &zone : time.zones) {
            if (zone.offsetSeconds != offset.offsetSeconds)
                continue;
            const std::optional<ClockChange> change = nextChange(zone.zone, instant);
            if (change && (!facts.change || change->atUtc < facts.change->atUtc)) {
                facts.change = change;
                facts.changingZone = zone.zone.id();
            }
        }
        clock.offsets.push_back(std::move(facts));
    }
    for (const BuiltInOffset &value : builtIn) {
        clock.builtIn.push_back({value.written.toString(), value.seconds,
                                 time.offsetsThisYear.contains(value.seconds)});
    }
    return clock;
}

} // namespace orbisco::localtime
