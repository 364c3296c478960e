#pragma once

#include "geo/projection.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace orbisco::localtime {

// A place written as in ISO 6709, the way the time-zone database writes them: "+5230+01322"
// (±DDMM±DDDMM) or "-720041+0023206" (±DDMMSS±DDDMMSS), minutes and seconds sexagesimal. Empty
// for anything else, or for a place off the Earth.
std::optional<geo::GeoPoint> iso6709Place(QByteArrayView text);

// The folder of the system's time-zone database, where Qt 6.4 reads it: /usr/share/zoneinfo, or
// /usr/lib/zoneinfo where only that one exists.
QString systemZoneFolder();

// The principal place of each time zone, from the time-zone database's zone.tab: one line a zone,
// "code<TAB>coordinates<TAB>zone id[<TAB>comment]", filed under the country whose zone it is.
// The same lines tell each country's zones, as they tell Qt's own list of a territory's zones.
class ZonePlaces
{
public:
    // Where the system keeps zone.tab: where Qt itself reads it.
    static QString systemFile() { return systemZoneFolder() + QStringLiteral("/zone.tab"); }

    // No places.
    ZonePlaces() = default;
    // The places of zone.tab's text (ASCII but for its comments); comments and malformed lines
    // are skipped.
    static ZonePlaces fromText(QByteArrayView text);
    // The places of a zone.tab file; a missing or unreadable file, or anything but a regular file,
    // gives no places.
    static ZonePlaces fromFile(const QString &path);

    // The place of a zone; empty when zone.tab has none.
    std::optional<geo::GeoPoint> place(const QByteArray &zoneId) const;
    qsizetype size() const { return m_places.size(); }
    // The zones filed under a two-letter code, sorted by id; a zone counts even where its place
    // is malformed.
    QList<QByteArray> zonesOf(QByteArrayView code) const;

private:
    QHash<QByteArray, geo::GeoPoint> m_places;
    // Each line's code and zone, as they stand: a country's zones are asked for a few times,
    // once each, while the file is read at every start.
    QList<std::pair<std::array<char, 2>, QByteArray>> m_zones;
};

} // namespace orbisco::localtime
