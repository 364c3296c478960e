// Selecting a country fills the five read-outs from its record and marks its zone on the map.
#include "form1_probe.h"

#include <gtest/gtest.h>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

const QStringList kUnknown(5, u"?"_s);

// Arrow left edge over a zone's column, with the window as designed (map at 120, w = 387).
float arrowOver(int zone)
{
    return 120.0f + 387.0f * float(zone + 11);
}

void select(Form1 &form, const QString &entry)
{
    const qint16 row = qint16(entries(form.List1).indexOf(entry));
    ASSERT_GE(row, 0) << entry.toStdString();
    form.List1.setListIndex(row);
}

} // namespace

TEST(Details, StartUpShowsAfghanistanWithItsZoneMarked)
{
    const auto form = loadedForm();
    EXPECT_TRUE(form->Picture2.Visible());
    EXPECT_TRUE(form->Line1.Visible());
    EXPECT_EQ(form->Picture2.Left(), arrowOver(4));
    EXPECT_EQ(form->Line1.Left(), 5968.5f);
}

TEST(Details, ClickingAnEntryShowsItsRecord)
{
    const auto form = loadedForm();
    select(*form, u"Bouvet Island BV"_s);
    EXPECT_EQ(readOuts(*form), (QStringList{u""_s, u""_s, u""_s, u"BVT"_s, u""_s}));
    EXPECT_FALSE(form->Picture2.Visible()) << "no offset: the marker is hidden";
    EXPECT_FALSE(form->Line1.Visible());

    select(*form, u"India IN"_s);
    EXPECT_EQ(form->Text2.Text(), u"+05:30"_s);
    EXPECT_TRUE(form->Picture2.Visible()) << "a country with an offset shows the marker again";
    EXPECT_TRUE(form->Line1.Visible());
    EXPECT_EQ(form->Picture2.Left(), arrowOver(5)) << "half hours stand at the whole hour";

    select(*form, u"Australia AU"_s);
    EXPECT_EQ(form->Text2.Text(), u"+07:00 - +10:00"_s);
    EXPECT_EQ(form->Picture2.Left(), arrowOver(7)) << "a range stands at its first hour";

    select(*form, u"British Indian Ocean Territory IO"_s);
    EXPECT_EQ(form->Picture2.Left(), arrowOver(6)) << "an hour without minutes";

    select(*form, u"Argentina AR"_s);
    EXPECT_EQ(form->Picture2.Left(), arrowOver(-3));
    EXPECT_EQ(form->Text6.Text(), u"Buenos Aires"_s);
}

TEST(Details, EveryEntryShowsItsOwnRecord)
{
    // Down to the last row of the table; only the three entries without a record show "?".
    const auto form = loadedForm();
    QStringList withoutRecord;
    for (qint16 i = 0; i < form->List1.ListCount(); ++i) {
        const QString code = form->List1.List(i).right(2);
        form->List1.setListIndex(i);
        int row = 0;
        while (row < 252 && Form1Probe::cell(*form, row, 0) != code)
            ++row;
        if (row == 252) {
            EXPECT_EQ(readOuts(*form), kUnknown) << code.toStdString();
            withoutRecord << code;
            continue;
        }
        const QStringList record{Form1Probe::cell(*form, row, 1), Form1Probe::cell(*form, row, 2),
                                 Form1Probe::cell(*form, row, 3), Form1Probe::cell(*form, row, 4),
                                 Form1Probe::cell(*form, row, 5)};
        EXPECT_EQ(readOuts(*form), record) << code.toStdString();
    }
    EXPECT_EQ(withoutRecord, (QStringList{u"FX"_s, u"NT"_s, u"SU"_s}));
}

TEST(Details, EachFillingIsToldWithItsRecordAndAnEmptyListTellsNothing)
{
    const auto form = loadedForm();
    std::vector<ShownCountry> told;
    QObject::connect(form.get(), &Form1::countryShown,
                     [&told](const ShownCountry &country) { told.push_back(country); });
    form->Text1.setText(u"nepal"_s);
    form->Text1.setText(u"xyz"_s); // lists nothing: the panel keeps Nepal
    form->Text1.setText(u"fx"_s);  // an entry without a record
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(
        told[0],
        (ShownCountry{u"NP"_s, u"+05:30"_s, u"Nepalese rupee (NPR, Rs)"_s, u"Nepali"_s, u"NPL"_s}));
    EXPECT_EQ(form->shownCountry(), ShownCountry());
    EXPECT_EQ(told[1], ShownCountry());
    // What a person types into the boxes is not the record's.
    form->Text1.setText(u"nepal"_s);
    form->Text2.setText(u"+09:00"_s);
    EXPECT_EQ(form->shownCountry().offset, u"+05:30"_s);
}

TEST(Details, BothKingdomsShowTheSameFacts)
{
    const auto form = loadedForm();
    select(*form, u"United Kingdom (Great Britain) GB"_s);
    const QStringList gb = readOuts(*form);
    select(*form, u"United Kingdom (Great Britain) UK"_s);
    EXPECT_EQ(readOuts(*form), gb);
    EXPECT_EQ(gb[3], u"GBR"_s);
    EXPECT_EQ(form->Picture2.Left(), arrowOver(0));
}

TEST(Details, EntryWithoutRecordShowsQuestionMarksAndKeepsTheMarker)
{
    const auto form = loadedForm();
    select(*form, u"France, Metropolitan FX"_s);
    EXPECT_EQ(readOuts(*form), kUnknown);
    EXPECT_TRUE(form->Picture2.Visible());
    EXPECT_EQ(form->Picture2.Left(), arrowOver(4)) << "still over Afghanistan's column";
    EXPECT_EQ(form->Line1.Left(), 5968.5f);
}

TEST(Details, CodesAreMatchedExactly)
{
    const auto form = loadedForm();
    for (const QString &code : {u"de"_s, QString(), u"DE "_s, u"D"_s}) {
        Form1Probe::showCountry(*form, code);
        EXPECT_EQ(readOuts(*form), kUnknown) << code.toStdString();
    }
    Form1Probe::showCountry(*form, u"DE"_s);
    EXPECT_EQ(form->Text6.Text(), u"Berlin"_s);
}

TEST(Details, ZoneWithoutAColumnHidesTheMarker)
{
    // Tonga is UTC+13, east of the map's last column: pointing at any column would be wrong.
    const auto form = loadedForm();
    select(*form, u"Tonga TO"_s);
    EXPECT_EQ(form->Text2.Text(), u"+13:00"_s);
    EXPECT_EQ(form->Text6.Text(), u"Nuku"_s);
    EXPECT_FALSE(form->Picture2.Visible());
    EXPECT_FALSE(form->Line1.Visible());
    EXPECT_EQ(form->Picture2.Left(), arrowOver(4)) << "hidden where it stood";
}

TEST(Details, UnreadableOffsetHidesTheMarker)
{
    Form1 form;
    Form1Probe::loadRecords(form,
                            {u"XA;+02:00;a;b;XAA;c"_s, u"XB;UTC;d;e;XBB;f"_s, u"XC;+;d;e;XCC;f"_s,
                             u"XD; -4:00;d;e;XDD;f"_s});
    Form1Probe::showCountry(form, u"XA"_s);
    EXPECT_TRUE(form.Picture2.Visible());
    for (const QString &code : {u"XB"_s, u"XC"_s}) {
        Form1Probe::showCountry(form, u"XA"_s);
        Form1Probe::showCountry(form, code);
        EXPECT_EQ(form.Text5.Text(), code + code.right(1)) << "the boxes are filled";
        EXPECT_FALSE(form.Picture2.Visible()) << code.toStdString();
        EXPECT_FALSE(form.Line1.Visible());
        EXPECT_EQ(form.Picture2.Left(), arrowOver(2));
    }
    // A blank before a sign and one digit is still a number.
    Form1Probe::showCountry(form, u"XD"_s);
    EXPECT_TRUE(form.Picture2.Visible());
    EXPECT_EQ(form.Picture2.Left(), arrowOver(-4));
}

TEST(Details, FirstRowWithTheCodeWins)
{
    Form1 form;
    Form1Probe::loadRecords(form, {u"XA;+01:00;first;;;"_s, u"XA;+02:00;second;;;"_s});
    Form1Probe::showCountry(form, u"XA"_s);
    EXPECT_EQ(form.Text3.Text(), u"first"_s);
}
