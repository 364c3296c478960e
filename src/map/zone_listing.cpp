#include "app/form1.h"

#include "controls/checked.h"
#include "map/zone_geometry.h"

namespace orbisco {

namespace {
// Rows 0..253 are scanned; the rows after the built-in records are empty and so skipped.
constexpr int kScanRows = 254;
} // namespace

void Form1::Picture1_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    // Every button and every modifier lists the same column.
    ListZoneCountries(X, Y);
}

void Form1::ListZoneCountries(float X, float /*Y*/) noexcept
{
    skipOnError([&] { List1.Clear(); });

    std::optional<qint16> zone;
    skipOnError([&] { zone = map::zoneAt(X, map::columnWidth(Picture1.Width())); });
    // A press to the right of the last column hits no zone and lists nothing.
    if (zone) {
        skipOnError([&] { SetZeitZone(*zone); });
        for (int r = 0; r < kScanRows; ++r) {
            const Row &row = DataTable[r];
            if (row[1].isEmpty() || map::zoneNumber(row[1]) != zone || row[0].isEmpty())
                continue;
            // The first entry added is selected and shown; the rest accumulate behind it.
            FilterCountries(row[0], false);
        }
    }
    skipOnError([&] { UpdateCounter(); });
}

} // namespace orbisco
