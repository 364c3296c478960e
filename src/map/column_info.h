#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace orbisco::map {

// What the map says of one of its columns to a pointer, a keyboard or a screen reader.

// "UTC+5", "UTC-11", "UTC±0".
QString zoneName(int zone);
// "8 Länder", "1 Land", "0 Länder".
QString entryCountText(int count);
// The accessible description of the focus column: "UTC+5, 8 Länder".
QString columnDescription(int zone, int count);
// The pointer's tool tip: "UTC+5 · 19:32 · 8 Länder", the time being the shown instant in UTC
// plus the zone's hours.
QString columnToolTip(int zone, const QDateTime &shown, int count);

// The focus column after a key: Left and Right move it by one column, stopping at the edges; Home
// and End go to the edges. Empty for any other key. qtKey is a Qt::Key.
std::optional<qint16> zoneAfterKey(qint16 zone, int qtKey);

} // namespace orbisco::map
