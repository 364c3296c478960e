// What the map says of any column, for any zone, count, instant and key: the texts name the zone
// and the count, the key moves the focus column only within the map, and the middle of a column
// is a press that lists exactly that column.
#include "fuzz_support.h"

#include "map/column_info.h"
#include "map/zone_geometry.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 16)
        return 0;
    int zone = 0;
    int count = 0;
    qint64 at = 0;
    std::memcpy(&zone, data, 4);
    std::memcpy(&count, data + 4, 4);
    std::memcpy(&at, data + 8, 8);
    zone %= 100;
    count = count < 0 ? -(count % 10'000) : count % 10'000;
    at %= qint64(10'000) * 366 * 86'400'000;
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(at, Qt::UTC);

    const QString name = map::zoneName(zone);
    FUZZ_CHECK(name.startsWith(u"UTC") && (zone == 0) == (name == u"UTC±0"));
    FUZZ_CHECK(map::columnDescription(zone, count) == name + u", "_qs + map::entryCountText(count));
    const QString tip = map::columnToolTip(zone, now, count);
    FUZZ_CHECK(tip.startsWith(name + u" · "_qs) && tip.endsWith(map::entryCountText(count)));
    FUZZ_CHECK(tip.section(u" · "_qs, 1, 1).size() == 5);

    const qint16 column = qint16(map::kWestmostZone + std::abs(zone) % map::kZoneColumns);
    const int key = size > 16 ? Qt::Key_Left + data[16] % 8 : Qt::Key_Home;
    if (const std::optional<qint16> moved = map::zoneAfterKey(column, key))
        FUZZ_CHECK(map::hasColumn(*moved) && std::abs(*moved - column) <= 23);
    for (const qint16 width : {qint16(387), qint16(1 + std::abs(count) % 1000)}) {
        FUZZ_CHECK(map::zoneAt(map::columnMiddle(column, width), width) == column);
        const map::PixelSpan span = map::columnPixels(column, width, 24 * width / 15 + 2);
        if (span.first <= span.last)
            FUZZ_CHECK(map::zoneAt(float(span.first * 15), width) == column);
    }
    return 0;
}
