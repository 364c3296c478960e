// The hour of any offset text: read from its first three characters, and only from digits.
#include "fuzz_support.h"

#include "map/zone_geometry.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString offset = fuzz::utf16(data, size);
    const std::optional<qint16> zone = zoneNumber(offset);
    const QString head = offset.left(3);
    FUZZ_CHECK(zone == zoneNumber(head)); // nothing after the third character counts
    if (zone) {
        FUZZ_CHECK(*zone >= -99 && *zone <= 999);
        bool ok = false;
        FUZZ_CHECK(head.trimmed().toInt(&ok, 10) == *zone && ok);
    }
    return 0;
}
