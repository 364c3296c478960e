#include "app/form1.h"

#include "controls/checked.h"
#include "data/country_codes.h"
#include "map/zone_geometry.h"

namespace orbisco {

namespace {
// The look-up reads rows 0..251, exactly the rows the 252 built-in records fill: a record added
// after them (the table has 261 rows, Form1::kTableRows) is stored but never shown. A press on
// the map scans two rows more (zone_listing.cpp); both bounds are fixed, not the record count.
constexpr int kLookupRows = 252;
} // namespace

void Form1::List1_Click() noexcept
{
    QString code;
    skipOnError([&] { code = entryCode(List1.List(List1.ListIndex())).toString(); });
    ShowCountry(code);
}

void Form1::ShowCountry(const QString &code) noexcept
{
    for (const DetailBox &detail : detailBoxes())
        detail.box.setText(QStringLiteral("?"));
    const Row *shown = nullptr;
    // An empty code is nobody's key, even where a row was left empty.
    for (int r = 0; r < kLookupRows && !code.isEmpty(); ++r) {
        if (DataTable[r][0] == code) {
            shown = &DataTable[r]; // the first row with the code wins
            break;
        }
    }
    m_shown = shown ? ShownCountry{(*shown)[0], (*shown)[1], (*shown)[2], (*shown)[3], (*shown)[4]}
                    : ShownCountry();
    if (shown)
        showRecord(*shown);
    emit countryShown(m_shown);
}

void Form1::showRecord(const Row &row) noexcept
{
    for (const DetailBox &detail : detailBoxes())
        detail.box.setText(row[size_t(detail.field)]);

    // The marker shows only over the country's own column. An offset that is empty, that does
    // not begin with a number, or whose zone the map has no column for, hides it.
    bool marked = false;
    const std::optional<qint16> zone = zoneNumber(Text2.Text());
    if (zone && map::hasColumn(*zone)) {
        skipOnError([&] {
            SetZeitZone(*zone);
            marked = true;
        });
    }
    Picture2.setVisible(marked);
    Line1.setVisible(marked);
}

} // namespace orbisco
