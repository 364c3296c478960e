#include "localtime/zone_places.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace orbisco::localtime {

namespace {

// zone.tab has some 450 lines; a file far larger than that is not one.
constexpr qint64 kLargestFile = 1 << 20;

// ±D…DMM[SS] with `degreeDigits` digits of degrees, in degrees; empty if malformed or beyond
// `largest` degrees.
std::optional<double> angle(QByteArrayView text, int degreeDigits, double largest)
{
    const qsizetype digits = text.size() - 1;
    if ((digits != degreeDigits + 2 && digits != degreeDigits + 4)
        || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9')
            return std::nullopt;
        const qsizetype part = i <= degreeDigits ? 0 : (i - degreeDigits - 1) / 2 + 1;
        parts[part] = parts[part] * 10 + (ch - '0');
    }
    const auto [degrees, minutes, seconds] = parts;
    if (minutes >= 60 || seconds >= 60)
        return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    if (value > largest)
        return std::nullopt;
    return text[0] == '-' ? -value : value;
}

} // namespace

std::optional<geo::GeoPoint> iso6709Place(QByteArrayView text)
{
    // The longitude starts at the second sign.
    qsizetype split = -1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] == '+' || text[i] == '-') {
            split = i;
            break;
        }
    }
    if (split < 0)
        return std::nullopt;
    const std::optional<double> latitude = angle(text.first(split), 2, 90.0);
    const std::optional<double> longitude = angle(text.sliced(split), 3, 180.0);
    if (!latitude || !longitude || text.first(split).size() + 1 != text.sliced(split).size())
        return std::nullopt; // both with seconds or both without
    return geo::GeoPoint{*latitude, *longitude};
}

QString systemZoneFolder()
{
    const QString usual = QStringLiteral("/usr/share/zoneinfo");
    const QString other = QStringLiteral("/usr/lib/zoneinfo");
    return QFileInfo(usual).isDir() || !QFileInfo(other).isDir() ? usual : other;
}

ZonePlaces ZonePlaces::fromText(QByteArrayView text)
{
    ZonePlaces places;
    const qsizetype lines = text.count('\n') + 1;
    places.m_places.reserve(lines);
    places.m_zones.reserve(lines);
    while (!text.isEmpty()) {
        qsizetype end = text.indexOf('\n');
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.first(end);
        text = text.sliced(std::min(end + 1, text.size()));
        if (line.startsWith('#'))
            continue;
        if (line.endsWith('\r'))
            line.chop(1);
        // code, coordinates, zone id, and an optional comment
        const qsizetype afterCode = line.indexOf('\t');
        const qsizetype afterPlace = afterCode < 0 ? -1 : line.indexOf('\t', afterCode + 1);
        if (afterCode != 2 || afterPlace < 0)
            continue;
        qsizetype afterId = line.indexOf('\t', afterPlace + 1);
        if (afterId < 0)
            afterId = line.size();
        const QByteArray id = line.sliced(afterPlace + 1, afterId - afterPlace - 1).toByteArray();
        if (id.isEmpty())
            continue;
        places.m_zones.append({{line[0], line[1]}, id});
        const std::optional<geo::GeoPoint> place
            = iso6709Place(line.sliced(afterCode + 1, afterPlace - afterCode - 1));
        if (place)
            places.m_places.insert(id, *place);
    }
    return places;
}

ZonePlaces ZonePlaces::fromFile(const QString &path)
{
    // Only a regular file: reading a pipe or a device could block the window.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestFile)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromText(file.read(kLargestFile));
}

QList<QByteArray> ZonePlaces::zonesOf(QByteArrayView code) const
{
    QList<QByteArray> zones;
    if (code.size() != 2)
        return zones;
    for (const auto &[filedUnder, zone] : m_zones) {
        if (filedUnder[0] == code[0] && filedUnder[1] == code[1])
            zones.append(zone);
    }
    std::ranges::sort(zones);
    return zones;
}

std::optional<geo::GeoPoint> ZonePlaces::place(const QByteArray &zoneId) const
{
    const auto found = m_places.constFind(zoneId);
    if (found == m_places.cend())
        return std::nullopt;
    return *found;
}

} // namespace orbisco::localtime
