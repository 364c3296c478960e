#pragma once

#include "localtime/zone_places.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <functional>
#include <optional>

namespace orbisco::localtime {

// The time zones of each country, from the system's time-zone database, looked up once per code
// (a withdrawn code by its successor: data/country_codes.h) and kept: the cache holds which
// zones a country has, never a time.
class ZoneDirectory
{
public:
    using OpenZone = std::function<QTimeZone(const QByteArray &ianaId)>;

    // Makes zones from the database whose files are in folder: only a zone whose file is a
    // regular file there, so that nothing that could block (a pipe, a device) is ever opened.
    static OpenZone openingFrom(const QString &folder);

    // openZone makes a zone from its id; the default reads the system database. A zone that
    // cannot be read (a missing or corrupt data file) is invalid and left out. zoneTab: the file
    // of the zones' places, the system's by default.
    explicit ZoneDirectory(OpenZone openZone = {}, QString zoneTab = ZonePlaces::systemFile());

    // The country's readable zones, by its current code from zone.tab, in the order of their ids;
    // empty when it has none.
    const QList<QTimeZone> &zones(const QString &code);
    // The zones' places and countries, read from zone.tab when first asked for.
    const ZonePlaces &places();

private:
    OpenZone m_openZone;
    QString m_zoneTab;
    std::optional<ZonePlaces> m_places;
    QHash<QString, QList<QTimeZone>> m_zones;
};

} // namespace orbisco::localtime
