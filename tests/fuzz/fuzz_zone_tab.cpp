// Any zone.tab text, and any instant: every place read lies on the Earth, on the map or off it,
// its zone is filed under its country, and the sun there has a finite altitude and its events
// fall on their date.
#include "fuzz_support.h"

#include "geo/projection.h"
#include "localtime/zone_places.h"
#include "sun/sun.h"

#include <algorithm>
#include <cmath>

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 8)
        return 0;
    qint64 at = 0;
    std::memcpy(&at, data, sizeof at);
    at %= qint64(400) * 366 * 86'400'000; // within four centuries of 1970
    const QByteArrayView bytes(data + 8, qsizetype(size - 8));
    const localtime::ZonePlaces places = localtime::ZonePlaces::fromText(bytes);
    FUZZ_CHECK(places.size() <= bytes.count('\n') + 1);
    const QString text = QString::fromLatin1(bytes);

    const sun::SunPosition sun = sun::sunAt(at);
    const QDate date = QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).date();
    for (const QString &line : text.split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 3)
            continue;
        // Every zone with a place is filed under its line's country, and the list is sorted.
        const QList<QByteArray> zones = places.zonesOf(fields[0].toLatin1());
        FUZZ_CHECK(std::ranges::is_sorted(zones));
        const std::optional<geo::GeoPoint> place = places.place(fields[2].toLatin1());
        if (place && fields[0].size() == 2 && !line.startsWith(u'#'))
            FUZZ_CHECK(zones.contains(fields[2].toLatin1()));
        if (!place)
            continue;
        FUZZ_CHECK(std::abs(place->latitude) <= 90 && std::abs(place->longitude) <= 180);
        if (const std::optional<geo::PicturePoint> point = geo::picturePoint(*place))
            FUZZ_CHECK(point->x >= 0 && point->x < 1 && point->y >= 0 && point->y <= 1);
        FUZZ_CHECK(std::isfinite(sun.altitudeAt(*place)));
        const sun::SunEvents events = sun::sunEventsOn(*place, date, QTimeZone::utc());
        for (const std::optional<QDateTime> &event : {events.sunrise, events.sunset})
            FUZZ_CHECK(!event || event->date() == date);
    }
    return 0;
}
