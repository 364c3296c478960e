#include "localtime/zone_places.h"

#include <QFile>
#include <QFileInfo>

namespace orbisco::localtime {

namespace {

// zone.tab has some 450 lines; a file far larger than that is not one.
constexpr qint64 kLargestFile = 1 << 20;

// ±D…DMM[SS] with `degreeDigits` digits of degrees, in degrees; empty if malformed or beyond
// `largest` degrees.
std::optional<double> angle(QStringView text, int degreeDigits, double largest)
{
    const qsizetype digits = text.size() - 1;
    if ((digits != degreeDigits + 2 && digits != degreeDigits + 4)
        || (text[0] != u'+' && text[0] != u'-'))
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        const qsizetype part = i <= degreeDigits ? 0 : (i - degreeDigits - 1) / 2 + 1;
        parts[part] = parts[part] * 10 + (ch - u'0');
    }
    const auto [degrees, minutes, seconds] = parts;
    if (minutes >= 60 || seconds >= 60)
        return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    if (value > largest)
        return std::nullopt;
    return text[0] == u'-' ? -value : value;
}

} // namespace

std::optional<map::GeoPoint> iso6709Place(QStringView text)
{
    // The longitude starts at the second sign.
    qsizetype split = -1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] == u'+' || text[i] == u'-') {
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
    return map::GeoPoint{*latitude, *longitude};
}

QString ZonePlaces::systemFile()
{
    // Qt 6.4 reads the zones of each country from the first of these that exists.
    const QString usual = QStringLiteral("/usr/share/zoneinfo/zone.tab");
    const QString other = QStringLiteral("/usr/lib/zoneinfo/zone.tab");
    return QFileInfo::exists(usual) || !QFileInfo::exists(other) ? usual : other;
}

ZonePlaces ZonePlaces::fromText(QStringView text)
{
    ZonePlaces places;
    for (QStringView line : text.split(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() < 3 || fields[0].size() != 2 || fields[2].isEmpty())
            continue;
        if (const std::optional<map::GeoPoint> place = iso6709Place(fields[1]))
            places.m_places.insert(fields[2].toLatin1(), *place);
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
    return fromText(QString::fromUtf8(file.read(kLargestFile)));
}

std::optional<map::GeoPoint> ZonePlaces::place(const QByteArray &zoneId) const
{
    const auto found = m_places.constFind(zoneId);
    if (found == m_places.cend())
        return std::nullopt;
    return *found;
}

} // namespace orbisco::localtime
