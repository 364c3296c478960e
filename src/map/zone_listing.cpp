#include "app/form1.h"

#include "controls/checked.h"
#include "map/zone_geometry.h"
#include "search/match.h"

namespace orbisco {

namespace {
// A press scans rows 0..253: the 252 rows of the built-in records and two rows after them, which
// hold nothing unless a record was added, and are then listed though the look-up of the details
// panel (details.cpp, 252 rows) never shows them. The table's last seven rows (of 261) are never
// scanned. Both bounds are fixed, not the record count.
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

    // A press to the right of the last column hits no zone and lists nothing.
    if (const std::optional<qint16> zone = columnAt(X)) {
        skipOnError([&] { SetZeitZone(*zone); });
        // The first entry added is selected and shown; the rest accumulate behind it.
        for (const QString &code : zoneCodes(*zone))
            FilterCountries(code, false);
    }
    skipOnError([&] { UpdateCounter(); });
}

QStringList Form1::zoneCodes(qint16 zone) const
{
    QStringList codes;
    for (int r = 0; r < kScanRows; ++r) {
        const Row &row = DataTable[r];
        if (row[1].isEmpty() || zoneNumber(row[1]) != zone || row[0].isEmpty())
            continue;
        codes.append(row[0]);
    }
    return codes;
}

qint16 Form1::zoneEntryCount(qint16 zone) const
{
    // The entries the filter adds for each of the zone's codes, as a press lists them.
    qint64 count = 0;
    QString buffer;
    for (const QString &code : zoneCodes(zone)) {
        const QString query = code.toUpper();
        for (qint16 i = 0; i < TMplist.ListCount(); ++i)
            count += search::matchesQuery(TMplist.List(i), query, buffer) ? 1 : 0;
    }
    return toInt16(count);
}

} // namespace orbisco
