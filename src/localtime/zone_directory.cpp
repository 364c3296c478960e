#include "localtime/zone_directory.h"

#include "data/country_codes.h"

#include <QFileInfo>

namespace orbisco::localtime {

ZoneDirectory::ZoneDirectory(OpenZone openZone, QString zoneTab)
    : m_openZone(std::move(openZone))
    , m_zoneTab(std::move(zoneTab))
{
    if (!m_openZone)
        m_openZone = openingFrom(systemZoneFolder());
}

ZoneDirectory::OpenZone ZoneDirectory::openingFrom(const QString &folder)
{
    return [folder](const QByteArray &ianaId) {
        // Qt would open the file and wait on it for good if it were a pipe nobody writes to.
        const QFileInfo file(folder + u'/' + QString::fromLatin1(ianaId));
        if (ianaId.contains("..") || !file.isFile())
            return QTimeZone();
        return QTimeZone(ianaId);
    };
}

const QList<QTimeZone> &ZoneDirectory::zones(const QString &code)
{
    const auto found = m_zones.constFind(code);
    if (found != m_zones.cend())
        return *found;

    // The file Qt reads for a territory's zones, read once for the places already: Qt's copy
    // would cost as much again.
    QList<QTimeZone> zones;
    for (const QByteArray &id : places().zonesOf(currentCode(code).toLatin1())) {
        QTimeZone zone = m_openZone(id);
        if (zone.isValid())
            zones.append(std::move(zone));
    }
    return *m_zones.emplace(code, std::move(zones));
}

const ZonePlaces &ZoneDirectory::places()
{
    if (!m_places)
        m_places = ZonePlaces::fromFile(m_zoneTab);
    return *m_places;
}

} // namespace orbisco::localtime
