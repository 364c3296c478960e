#pragma once

#include "geo/projection.h"
#include "sun/sun.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QTimeZone>

namespace orbisco::localtime {

// The sun's events at a zone's place on the zone's own date, computed once per zone and date and
// kept until that zone's date changes: every minute's tick and every return to a country that
// day reuse them. At most one date a zone is kept.
class SunDays
{
public:
    const sun::SunEvents &on(const QTimeZone &zone, geo::GeoPoint place, QDate date);

private:
    struct Day
    {
        QDate date;
        geo::GeoPoint place;
        sun::SunEvents events;
    };
    QHash<QByteArray, Day> m_days;
};

} // namespace orbisco::localtime
