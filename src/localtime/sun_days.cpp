#include "localtime/sun_days.h"

namespace orbisco::localtime {

const sun::SunEvents &SunDays::on(const QTimeZone &zone, geo::GeoPoint place, QDate date)
{
    Day &day = m_days[zone.id()];
    if (day.date != date || !(day.place == place) || !day.date.isValid())
        day = {date, place, sun::sunEventsOn(place, date, zone)};
    return day.events;
}

} // namespace orbisco::localtime
