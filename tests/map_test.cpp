// The zone marker's positions and a press on the map listing the countries of a column.
#include "form1_probe.h"

#include <gtest/gtest.h>

#include "map/column_info.h"
#include "map/zone_geometry.h"

#include <stdexcept>
#include <tuple>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

void press(Form1 &form, float x, int button = kLeft, int shift = 0)
{
    form.Picture1.raiseMouseDown(button, shift, x, 100);
}

// The zone a press went to, read back from where it put the arrow.
int markedZone(const Form1 &form)
{
    return int((form.Picture2.Left() - 120) / 387) - 11;
}

// x in the middle of a zone's column, with the window as designed.
float middleOf(int zone)
{
    return 387.0f * float(zone + 11) + 193;
}

} // namespace

TEST(ZoneMarker, StandsOverTheColumnOfTheZone)
{
    const struct
    {
        qint16 zone;
        float arrow, bar;
    } cases[] = {{-11, 120, 193.5},
                 {0, 4377, 4428.5},
                 {1, 4764, 4813.5},
                 {4, 5925, 5968.5},
                 {12, 9021, 9048.5}};
    Form1 form;
    for (const auto &c : cases) {
        form.SetZeitZone(c.zone);
        EXPECT_EQ(form.Picture2.Left(), c.arrow) << "zone " << c.zone;
        EXPECT_EQ(form.Line1.Left(), c.bar) << "zone " << c.zone;
    }
    EXPECT_FALSE(form.Picture2.Visible()) << "moving does not show";
    EXPECT_FALSE(form.Line1.Visible());
}

TEST(ZoneMarker, ZonesWithoutAColumnMoveNothing)
{
    Form1 form;
    form.SetZeitZone(3);
    for (const qint16 zone : {qint16(13), qint16(-12), qint16(32767), qint16(-32768)}) {
        form.SetZeitZone(zone);
        EXPECT_EQ(form.Picture2.Left(), 5538) << zone;
        EXPECT_EQ(form.Line1.Left(), 5583.5f) << zone;
    }
}

TEST(ZoneMarker, ColumnWidthRoundsHalfToEvenAtEveryCall)
{
    const struct
    {
        float mapWidth;
        qint16 column;
    } cases[] = {{9285, 387}, {9300, 388}, {9276, 386}, {9288, 387}, {9312, 388}, {9324, 388}};
    Form1 form;
    for (const auto &c : cases) {
        form.Picture1.setWidth(c.mapWidth);
        form.SetZeitZone(-10);
        EXPECT_EQ(form.Picture2.Left(), 120 + c.column) << c.mapWidth;
        form.SetZeitZone(12);
        EXPECT_EQ(form.Line1.Left(), 23 * c.column + c.column / 2.0f - 46) << c.mapWidth;
    }
}

TEST(ZoneMarker, TooWideAMapIsAnErrorThatMovesNothing)
{
    Form1 form;
    form.Picture1.setWidth(24.0f * 40000);
    EXPECT_THROW(form.SetZeitZone(0), std::overflow_error);
    EXPECT_EQ(form.Picture2.Left(), 360);
    // Wide yet in range: w·c leaves 16 bits without being an error.
    form.Picture1.setWidth(24.0f * 32767);
    form.SetZeitZone(12);
    EXPECT_EQ(form.Picture2.Left(), 120.0f + 32767.0f * 23);
}

TEST(ZoneNumber, ReadsTheHourFromTheFirstThreeCharacters)
{
    const struct
    {
        const char16_t *offset;
        std::optional<qint16> zone;
    } cases[] = {{u"+04:30", 4},
                 {u"-03:30", -3},
                 {u"+00:00", 0},
                 {u"+07:00 - +10:00", 7},
                 {u"+06", 6},
                 {u"+13:00", 13},
                 {u"-11:00 - -05:00", -11},
                 {u"5", 5},
                 {u" 7 ", 7},
                 {u"", std::nullopt},
                 {u"+", std::nullopt},
                 {u"abc", std::nullopt},
                 {u"+5:", std::nullopt},
                 {u"--1", std::nullopt},
                 {u"\u0661\u0662", std::nullopt}};
    for (const auto &c : cases)
        EXPECT_EQ(zoneNumber(c.offset), c.zone) << QString::fromUtf16(c.offset).toStdString();
}

TEST(UtcOffset, WrittenInHoursOrInHoursAndMinutes)
{
    const std::tuple<int, QString, QString> offsets[] = {
        {0, u"±0"_s, u"+00:00"_s},       {3600, u"+1"_s, u"+01:00"_s},
        {-39600, u"-11"_s, u"-11:00"_s}, {20700, u"+5"_s, u"+05:45"_s},
        {-12600, u"-3"_s, u"-03:30"_s},  {45900, u"+12"_s, u"+12:45"_s},
    };
    for (const auto &[seconds, hours, hoursAndMinutes] : offsets) {
        EXPECT_EQ(writtenOffset(seconds, OffsetForm::Hours), hours) << seconds;
        EXPECT_EQ(writtenOffset(seconds, OffsetForm::HoursAndMinutes), hoursAndMinutes) << seconds;
    }
    // Half an hour west of UTC is west, in minutes; in whole hours it is UTC's own column.
    EXPECT_EQ(writtenOffset(-1800, OffsetForm::HoursAndMinutes), u"-00:30"_s);
}

TEST(MapClick, ColumnBoundariesBelongToTheLeftColumn)
{
    const struct
    {
        float x;
        int zone;
    } cases[] = {{387, -11}, {388, -10},   {387.5f, -10}, {6192, 4}, {6193, 5},
                 {0, -11},   {-5000, -11}, {9224, 12},    {9288, 12}};
    const auto form = loadedForm();
    for (const auto &c : cases) {
        press(*form, c.x);
        EXPECT_EQ(markedZone(*form), c.zone) << "x = " << c.x;
    }
}

TEST(MapClick, ListsTheColumnsCountriesInRecordOrder)
{
    const auto form = loadedForm();
    form->Text1.setText(u"swe"_s);
    press(*form, 6400);
    EXPECT_EQ(entries(form->List1),
              (QStringList{u"Bhutan BT"_s, u"Heard and McDonald Islands HM"_s, u"India IN"_s,
                           u"Maldives MV"_s, u"Nepal NP"_s, u"Pakistan PK"_s, u"Sri Lanka LK"_s,
                           u"Turkmenistan TM"_s}));
    EXPECT_EQ(form->List1.ListIndex(), 0);
    EXPECT_EQ(readOuts(*form),
              (QStringList{u"+05:30"_s, u"Bhutanese ngultrum (BTN, Nu.), Indian rupee (INR)"_s,
                           u"Dzongkha"_s, u"BTN"_s, u"Thimphu"_s}));
    EXPECT_EQ(form->CounterLabel.Caption(), u"(8)"_s);
    EXPECT_TRUE(form->Picture2.Visible());
    EXPECT_EQ(markedZone(*form), 5);
    EXPECT_EQ(form->Text1.Text(), u"swe"_s) << "the search box is left alone";
}

TEST(MapClick, RecordsWithoutAnIndexEntryAddNothing)
{
    const auto form = loadedForm();
    press(*form, middleOf(9));
    const QStringList listed = entries(form->List1);
    EXPECT_EQ(listed.size(), 4) << "TL belongs to +9 but has no entry";
    EXPECT_EQ(listed.value(0), u"Japan JP"_s);
}

TEST(MapClick, EmptyColumnListsNothingAndKeepsTheDetails)
{
    for (const int zone : {-9, -7}) {
        Form1 form;
        form.raiseLoad();
        form.Picture2.setVisible(false); // as before any country was shown
        form.Line1.setVisible(false);
        press(form, middleOf(zone));
        EXPECT_EQ(form.List1.ListCount(), 0);
        EXPECT_EQ(form.CounterLabel.Caption(), u"(0)"_s);
        EXPECT_EQ(form.Text6.Text(), u"Kabul"_s);
        EXPECT_EQ(markedZone(form), zone) << "the marker moves to the column";
        EXPECT_FALSE(form.Picture2.Visible()) << "without being shown";
    }
}

TEST(MapClick, ZoneZeroListsBothKingdoms)
{
    const auto form = loadedForm();
    press(*form, middleOf(0));
    const QStringList listed = entries(form->List1);
    EXPECT_EQ(listed.size(), 11);
    EXPECT_TRUE(listed.contains(u"United Kingdom (Great Britain) GB"_s));
    EXPECT_TRUE(listed.contains(u"United Kingdom (Great Britain) UK"_s));
    EXPECT_EQ(listed.value(0), u"Antarctica AQ"_s);
}

TEST(MapClick, EveryCountryIsListedInOneColumnAtMost)
{
    const auto form = loadedForm();
    QStringList all;
    QStringList westmost;
    for (int zone = map::kWestmostZone; zone <= map::kEastmostZone; ++zone) {
        press(*form, middleOf(zone));
        all << entries(form->List1);
        if (zone == map::kWestmostZone)
            westmost = entries(form->List1);
        EXPECT_EQ(form->CounterLabel.Caption(),
                  u'(' + QString::number(form->List1.ListCount()) + u')');
    }
    EXPECT_EQ(QStringList(all).removeDuplicates(), 0);
    EXPECT_TRUE(westmost.contains(u"United States US"_s)) << "a range lists at its first hour";
    EXPECT_FALSE(all.contains(u"Tonga TO"_s)) << "+13 has no column";
    EXPECT_FALSE(all.contains(u"Bouvet Island BV"_s)) << "no offset, no column";
    EXPECT_FALSE(all.contains(u"Soviet Union (former) SU"_s)) << "no record";
    // 243 entries, less 3 without a record, 11 whose record has no offset, and Tonga.
    EXPECT_EQ(all.size(), 243 - 3 - 11 - 1);
}

TEST(MapClick, AnyButtonAndModifierListsTheSame)
{
    const auto form = loadedForm();
    press(*form, middleOf(1), kLeft);
    const QStringList left = entries(form->List1);
    EXPECT_EQ(left.size(), 45) << "46 records, CD without an entry";
    for (const auto &[button, shift] :
         {std::pair{kRight, 0}, {kMiddle, 0}, {kLeft, 1}, {kRight, 7}}) {
        press(*form, 5);
        press(*form, middleOf(1), button, shift);
        EXPECT_EQ(entries(form->List1), left) << button << "/" << shift;
    }
}

TEST(MapClick, PressBeyondTheLastColumnHitsNoZone)
{
    const auto form = loadedForm();
    const float arrow = form->Picture2.Left();
    press(*form, 24 * 387 + 1);
    EXPECT_EQ(form->List1.ListCount(), 0);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(0)"_s);
    EXPECT_EQ(form->Picture2.Left(), arrow);
    EXPECT_EQ(form->Text6.Text(), u"Kabul"_s);
}

TEST(MapClick, UnreadableOffsetMatchesNoZone)
{
    Form1 form;
    Form1Probe::fillCountryIndex(form);
    Form1Probe::loadRecords(form, {u"DE;UTC+1;Euro;German;DEU;Berlin"_s});
    for (const int zone : {-11, 0, 1, 12}) {
        press(form, middleOf(zone));
        EXPECT_EQ(form.List1.ListCount(), 0) << zone;
    }
}

TEST(MapClick, NeverRewritesTheRecordTable)
{
    Form1 form;
    Form1Probe::fillCountryIndex(form);
    Form1Probe::loadRecords(form, {u"de;+01:00;Euro;German;DEU;Berlin"_s});
    press(form, middleOf(1));
    EXPECT_EQ(entries(form.List1), QStringList{u"Germany DE"_s}) << "the query is upper-cased";
    EXPECT_EQ(Form1Probe::cell(form, 0, 0), u"de"_s) << "but not in the table";
}

TEST(MapColumns, CountIsWhatAPressInTheMiddleListsAndChangesNothing)
{
    const auto form = loadedForm(u"ger"_s);
    const QStringList listed = entries(form->List1);
    const QStringList shown = readOuts(*form);
    std::array<qint16, 24> counts{};
    for (qint16 zone = -11; zone <= 12; ++zone)
        counts[size_t(zone + 11)] = form->zoneEntryCount(zone);
    EXPECT_EQ(entries(form->List1), listed) << "counting lists nothing";
    EXPECT_EQ(readOuts(*form), shown);
    EXPECT_EQ(form->markedZone(), std::optional<qint16>(1)) << "Algeria's +01:00";

    for (qint16 zone = -11; zone <= 12; ++zone) {
        press(*form, map::columnMiddle(zone, 387));
        EXPECT_EQ(markedZone(*form), zone);
        EXPECT_EQ(form->List1.ListCount(), counts[size_t(zone + 11)]) << zone;
    }
    EXPECT_EQ(counts[size_t(9 + 11)], 4) << "TL is in zone 9 but has no index entry";

    // A lower-case code in a record is listed, upper-cased, as the press lists it.
    Form1 lower;
    Form1Probe::fillCountryIndex(lower);
    Form1Probe::loadRecords(lower, {u"de;+01:00;Euro;German;DEU;Berlin"_s});
    EXPECT_EQ(lower.zoneEntryCount(1), 1);
    EXPECT_EQ(lower.zoneCodes(1), QStringList{u"de"_s});
}

TEST(MapColumns, FocusColumnKeysAndNames)
{
    using map::zoneAfterKey;
    EXPECT_EQ(zoneAfterKey(5, Qt::Key_Left), 4);
    EXPECT_EQ(zoneAfterKey(5, Qt::Key_Right), 6);
    EXPECT_EQ(zoneAfterKey(-11, Qt::Key_Left), -11);
    EXPECT_EQ(zoneAfterKey(12, Qt::Key_Right), 12);
    EXPECT_EQ(zoneAfterKey(3, Qt::Key_Home), -11);
    EXPECT_EQ(zoneAfterKey(3, Qt::Key_End), 12);
    EXPECT_EQ(zoneAfterKey(3, Qt::Key_Up), std::nullopt);

    EXPECT_EQ(map::columnDescription(5, 8), u"UTC+5, 8 Länder"_s);
    EXPECT_EQ(map::columnDescription(-11, 1), u"UTC-11, 1 Land"_s);
    EXPECT_EQ(map::columnDescription(0, 0), u"UTC±0, 0 Länder"_s);
    const QDateTime evening(QDate(2026, 1, 14), QTime(22, 5), Qt::UTC);
    EXPECT_EQ(map::columnToolTip(5, evening, 8), u"UTC+5 · 03:05 · 8 Länder"_s) << "past midnight";
    EXPECT_EQ(map::columnToolTip(-11, evening, 4), u"UTC-11 · 11:05 · 4 Länder"_s);

    // The marked zone goes with the arrow's visibility.
    const auto form = loadedForm(u"bouvet"_s);
    EXPECT_FALSE(form->Picture2.Visible());
    EXPECT_EQ(form->markedZone(), std::nullopt);
}
