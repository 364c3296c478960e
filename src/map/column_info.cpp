#include "map/column_info.h"

#include "data/utc_offset.h"
#include "map/zone_geometry.h"

#include <QtGlobal>

#include <algorithm>

namespace orbisco::map {

QString zoneName(int zone)
{
    return QStringLiteral("UTC") + writtenOffset(zone * 3600, OffsetForm::Hours);
}

QString entryCountText(int count)
{
    return count == 1 ? QStringLiteral("1 Land") : QStringLiteral("%1 Länder").arg(count);
}

QString columnDescription(int zone, int count)
{
    return zoneName(zone) + QStringLiteral(", ") + entryCountText(count);
}

QString columnToolTip(int zone, const QDateTime &shown, int count)
{
    const QDateTime there = shown.toUTC().addSecs(qint64(zone) * 3600);
    const QString time
        = there.isValid() ? there.time().toString(QStringLiteral("HH:mm")) : QStringLiteral("?");
    return zoneName(zone) + QStringLiteral(" · ") + time + QStringLiteral(" · ")
        + entryCountText(count);
}

std::optional<qint16> zoneAfterKey(qint16 zone, int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return qint16(std::max(zone - 1, kWestmostZone));
    case Qt::Key_Right:
        return qint16(std::min(zone + 1, kEastmostZone));
    case Qt::Key_Home:
        return qint16(kWestmostZone);
    case Qt::Key_End:
        return qint16(kEastmostZone);
    default:
        return std::nullopt;
    }
}

} // namespace orbisco::map
