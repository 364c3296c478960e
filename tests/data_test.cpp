// The built-in country index and records, and the record table's rules for storing a record.
#include "form1_probe.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSet>

#include <stdexcept>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

QByteArray sha256(const QStringList &texts)
{
    return QCryptographicHash::hash(texts.join(u'\n').toUtf8(), QCryptographicHash::Sha256).toHex();
}

QStringList storedRecords(const Form1 &form)
{
    QStringList records;
    for (int row = 0; row < Form1Probe::dataCount(form); ++row) {
        QStringList fields;
        for (int column = 0; column < Form1::kRecordFields; ++column)
            fields << Form1Probe::cell(form, row, column);
        records << fields.join(u';');
    }
    return records;
}

QStringList row(const Form1 &form, int r)
{
    QStringList fields;
    for (int column = 0; column < Form1::kTableColumns; ++column)
        fields << Form1Probe::cell(form, r, column);
    return fields;
}

QStringList fields(const char *utf8)
{
    QStringList out = QString::fromUtf8(utf8).split(u';');
    out << QString(); // the seventh column is never written
    return out;
}

} // namespace

TEST(BuiltInData, EveryCharacterOfIndexAndRecordsIsIntact)
{
    // Digests of the texts as published, one per line: a changed, lost or added character
    // anywhere, a lost blank or a reordered entry changes them.
    const auto form = loadedForm();
    EXPECT_EQ(sha256(entries(form->TMplist)),
              "e38ba0c69d798647a8f291d752e47cc5af25e9d19fa91207f4a7ef170aa73663");
    EXPECT_EQ(sha256(storedRecords(*form)),
              "c86cfb70e3a0a6a59b6f47137ecb5dee9909b86bbd792528663ab6c20fb4b7d9");
}

TEST(BuiltInData, IndexHoldsTheEntriesInListOrder)
{
    const auto form = loadedForm();
    const ui::ComboBox &index = form->TMplist;
    ASSERT_EQ(index.ListCount(), 243);
    EXPECT_EQ(index.List(0), QStringLiteral("Afghanistan AF"));
    EXPECT_EQ(index.List(242), QStringLiteral("Zimbabwe ZW"));
    // Sorted by name, not by whole entry: the shorter name first.
    EXPECT_EQ(index.List(150), QStringLiteral("Netherlands NL"));
    EXPECT_EQ(index.List(151), QStringLiteral("Netherlands Antilles AN"));
    EXPECT_EQ(index.List(225), QStringLiteral("United Kingdom (Great Britain) UK"));
    EXPECT_EQ(index.List(226), QStringLiteral("United Kingdom (Great Britain) GB"));
}

TEST(BuiltInData, FillingTheIndexAgainDoesNotDoubleIt)
{
    const auto form = loadedForm();
    Form1Probe::fillCountryIndex(*form);
    EXPECT_EQ(form->TMplist.ListCount(), 243);
}

TEST(BuiltInData, RecordsFillRowsInOrderAndNothingElse)
{
    const auto form = loadedForm();
    EXPECT_EQ(Form1Probe::dataCount(*form), 252);
    EXPECT_EQ(row(*form, 0),
              fields("AF;+04:30;Afghan afghani (AFN);Pashto, Dari, and some other languages;AFG;"
                     "Kabul"));
    EXPECT_EQ(row(*form, 8), fields("AQ;+00:00;-;-;ATA;"));
    EXPECT_EQ(row(*form, 12),
              fields("AN;-04:00;Netherlands Antillean guilder;"
                     "Dutch, English, Papiamento ;;Willemstad"))
        << "the trailing blank of the languages stays";
    EXPECT_EQ(Form1Probe::cell(*form, 14, 1), QStringLiteral("+07:00 - +10:00"));
    EXPECT_EQ(row(*form, 31), fields("BV;;;;BVT;"));
    EXPECT_EQ(Form1Probe::cell(*form, 251, 0), QStringLiteral("ZW"));
    EXPECT_EQ(Form1Probe::cell(*form, 13, 3), QStringLiteral("Dh, Papiamento"));
    // GB and UK are two records that differ only in their code.
    QStringList gb = row(*form, 234), uk = row(*form, 235);
    EXPECT_EQ(gb.takeFirst(), QStringLiteral("GB"));
    EXPECT_EQ(uk.takeFirst(), QStringLiteral("UK"));
    EXPECT_EQ(gb, uk);
    for (int r = 0; r < Form1::kTableRows; ++r) {
        EXPECT_TRUE(Form1Probe::cell(*form, r, 6).isEmpty()) << "row " << r;
        if (r >= 252) {
            EXPECT_EQ(row(*form, r).join(QString()), QString()) << "row " << r;
        }
    }
}

TEST(BuiltInData, IndexAndRecordsMeetThroughTheCode)
{
    const auto form = loadedForm();
    QSet<QString> indexCodes, recordCodes;
    for (const QString &entry : entries(form->TMplist))
        indexCodes << entry.right(2);
    for (int r = 0; r < 252; ++r)
        recordCodes << Form1Probe::cell(*form, r, 0);
    EXPECT_EQ(indexCodes.size(), 243) << "no two entries share a code";
    EXPECT_EQ(recordCodes.size(), 252) << "no two records share a code";
    EXPECT_EQ(QSet<QString>(indexCodes).subtract(recordCodes),
              (QSet<QString>{u"FX"_s, u"NT"_s, u"SU"_s}));
    EXPECT_EQ(QSet<QString>(recordCodes).subtract(indexCodes),
              (QSet<QString>{u"AX"_s, u"BQ"_s, u"CD"_s, u"CW"_s, u"TL"_s, u"GG"_s, u"IM"_s, u"JE"_s,
                             u"PS"_s, u"BL"_s, u"MF"_s, u"SX"_s}));
}

TEST(RecordTable, ExtraFieldsAreIgnored)
{
    Form1 form;
    form.AddData(QStringLiteral("XA;+01:00;c;l;XAA;cap;extra;more"));
    EXPECT_EQ(Form1Probe::dataCount(form), 1);
    EXPECT_EQ(row(form, 0), fields("XA;+01:00;c;l;XAA;cap"));
}

TEST(RecordTable, ShortOrEmptyRecordIsRejectedWholeBeforeAnyWrite)
{
    Form1 form;
    form.AddData(QStringLiteral("XA;+01:00;c;l;XAA;cap"));
    const QStringList before = row(form, 1);
    for (const QString &bad :
         {QStringLiteral("XB;+02:00"), QStringLiteral("XB;;;;"), QString(), QStringLiteral(";")}) {
        EXPECT_THROW(form.AddData(bad), std::invalid_argument) << bad.toStdString();
        EXPECT_EQ(Form1Probe::dataCount(form), 1);
        EXPECT_EQ(row(form, 1), before) << "no partial row is left behind";
    }
    form.AddData(QStringLiteral("XC;;;;;"));
    EXPECT_EQ(row(form, 1), fields("XC;;;;;"));
}

TEST(RecordTable, FullTableRejectsTheNextRecordAndKeepsTheLastRow)
{
    const auto form = loadedForm();
    for (int r = 252; r < Form1::kTableRows; ++r)
        form->AddData(QStringLiteral("X%1;+01:00;c;l;XXX;cap").arg(r - 252));
    EXPECT_EQ(Form1Probe::dataCount(*form), 261);
    const QStringList last = row(*form, 260);
    EXPECT_THROW(form->AddData(QStringLiteral("ZZ;+01:00;c;l;ZZZ;cap")), std::out_of_range);
    EXPECT_EQ(Form1Probe::dataCount(*form), 261);
    EXPECT_EQ(row(*form, 260), last);
}

TEST(RecordTable, LoadingAgainRewritesTheSameRows)
{
    const auto form = loadedForm();
    const QStringList first = storedRecords(*form);
    form->InitMultipleData();
    EXPECT_EQ(Form1Probe::dataCount(*form), 252);
    EXPECT_EQ(storedRecords(*form), first);
}

TEST(RecordTable, BadRecordLosesOnlyItself)
{
    Form1 form;
    Form1Probe::loadRecords(
        form, {u"XA;+01:00;c;l;XAA;a"_s, u"XB;broken"_s, QString(), u"XC;+03:00;c;l;XCC;c"_s});
    EXPECT_EQ(Form1Probe::dataCount(form), 2);
    EXPECT_EQ(Form1Probe::cell(form, 0, 0), QStringLiteral("XA"));
    EXPECT_EQ(row(form, 1), fields("XC;+03:00;c;l;XCC;c"));
    EXPECT_EQ(Form1Probe::cell(form, 2, 0), QString());
}
