#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <functional>

namespace orbisco::localtime {

// The territory of a record's two-letter code in Qt's locale database. A code the database no
// longer knows goes to its successor where there is one (UK to GB, TP to TL, ZR to CD, AN to
// CW); any other unknown code has no territory (AnyTerritory), never a guess.
QLocale::Territory territoryOf(QStringView code);

// The time zones of each country, from the system's time-zone database, looked up once per code
// and kept: the cache holds which zones a country has, never a time.
class ZoneDirectory
{
public:
    using OpenZone = std::function<QTimeZone(const QByteArray &ianaId)>;

    // openZone makes a zone from its id; the default reads the system database. A zone that
    // cannot be read (a missing or corrupt data file) is invalid and left out.
    explicit ZoneDirectory(OpenZone openZone = {});

    // The country's readable zones, in the database's order of ids; empty when it has none.
    const QList<QTimeZone> &zones(const QString &code);

private:
    OpenZone m_openZone;
    QHash<QString, QList<QTimeZone>> m_zones;
};

} // namespace orbisco::localtime
