// Typing into the search box: which entries are listed, which one is selected and shown, and what
// the counter says.
#include "form1_probe.h"

#include <gtest/gtest.h>

#include <QChar>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

struct QueryCase
{
    const char *name;
    QString query;
    QStringList listed; // empty: check only the count
    int count;
};

void PrintTo(const QueryCase &c, std::ostream *os)
{
    *os << c.name;
}

class Query : public testing::TestWithParam<QueryCase>
{};

const QueryCase kQueries[] = {
    {"one letter matches codes only",
     u"d"_s,
     {u"Algeria DZ"_s, u"Andorra AD"_s, u"Bangladesh BD"_s, u"Chad TD"_s, u"Denmark DK"_s,
      u"Djibouti DJ"_s, u"Dominica DM"_s, u"Dominican Republic DO"_s, u"Germany DE"_s,
      u"Grenada GD"_s, u"Indonesia ID"_s, u"Moldova MD"_s, u"Sudan SD"_s},
     13},
    {"two letters are a whole code", u"de"_s, {u"Germany DE"_s}, 1},
    {"code in upper case", u"DE"_s, {u"Germany DE"_s}, 1},
    {"two letters never search names", u"an"_s, {u"Netherlands Antilles AN"_s}, 1},
    {"third letter switches to text", u"and"_s, {}, 40},
    {"text match", u"ger"_s, {u"Algeria DZ"_s, u"Germany DE"_s, u"Niger NE"_s, u"Nigeria NG"_s}, 4},
    {"text match any case",
     u"Ger"_s,
     {u"Algeria DZ"_s, u"Germany DE"_s, u"Niger NE"_s, u"Nigeria NG"_s},
     4},
    {"text runs across the blank into the code", u"y de"_s, {u"Germany DE"_s}, 1},
    {"blank inside a short text", u"a al"_s, {u"Albania AL"_s}, 1},
    {"trailing blank counts", u"de "_s, {u"Cape Verde CV"_s}, 1},
    {"one blank", u" "_s, {}, 0},
    {"two blanks", u"  "_s, {}, 0},
    {"three blanks", u"   "_s, {}, 0},
    {"gb is one of the two kingdoms", u"gb"_s, {u"United Kingdom (Great Britain) GB"_s}, 1},
    {"uk is the other", u"uk"_s, {u"United Kingdom (Great Britain) UK"_s}, 1},
    {"punctuation is matched",
     u"(GREAT"_s,
     {u"United Kingdom (Great Britain) UK"_s, u"United Kingdom (Great Britain) GB"_s},
     2},
    {"nothing matches", u"xyz"_s, {}, 0},
    // Full Unicode upper-casing: sharp s becomes SS, dotless i becomes I.
    {"sharp s upper-cases to SS", u"rußi"_s, {u"Russian Federation RU"_s}, 1},
    {"dotless i upper-cases to I", u"chına"_s, {u"China CN"_s}, 1},
};

} // namespace

TEST_P(Query, ListsSelectsAndCounts)
{
    const QueryCase &c = GetParam();
    const auto form = loadedForm();
    form->Text1.setText(c.query);

    const QStringList listed = entries(form->List1);
    EXPECT_EQ(listed.size(), c.count);
    if (!c.listed.isEmpty()) {
        EXPECT_EQ(listed, c.listed);
    }
    EXPECT_EQ(form->CounterLabel.Caption(), u'(' + QString::number(c.count) + u')');
    EXPECT_EQ(form->List1.ListIndex(), c.count ? 0 : -1) << "the first match is selected";
    EXPECT_EQ(form->Text1.Text(), c.query) << "the search box keeps what was typed";
}

INSTANTIATE_TEST_SUITE_P(Search, Query, testing::ValuesIn(kQueries));

TEST(Search, TextMatchSpansTheIndexInOrder)
{
    const auto form = loadedForm();
    form->Text1.setText(u"and"_s);
    const QStringList listed = entries(form->List1);
    ASSERT_EQ(listed.size(), 40);
    EXPECT_EQ(listed.first(), u"Andorra AD"_s);
    EXPECT_EQ(listed.last(), u"Wallis and Futuna Islands WF"_s);
}

TEST(Search, EveryEntryTypedInLowerCaseIsListed)
{
    // Upper-casing must reach both ends of the alphabet: "braz", "tanz" and "kaz" must find.
    const auto form = loadedForm();
    const QStringList index = entries(form->TMplist);
    ASSERT_EQ(index.size(), 243);
    for (const QString &entry : index) {
        form->Text1.setText(entry.toLower());
        EXPECT_TRUE(entries(form->List1).contains(entry)) << entry.toStdString();
    }
}

TEST(Search, FirstMatchIsShownWhileTheListHoldsOnlyIt)
{
    const auto form = loadedForm();
    QList<qint16> countsAtClick;
    QStringList codesAtClick;
    // Connected after the window's own handler, so this runs once the details are filled.
    QObject::connect(&form->List1, &ui::ListBox::Click, [&] {
        countsAtClick << form->List1.ListCount();
        codesAtClick << form->Text5.Text();
    });
    form->Text1.setText(u"ger"_s);
    EXPECT_EQ(countsAtClick, QList<qint16>{1});
    EXPECT_EQ(codesAtClick, QStringList{u"DZA"_s});
    EXPECT_EQ(form->List1.ListCount(), 4);
}

TEST(Search, NoMatchKeepsTheDetailsShown)
{
    const auto form = loadedForm();
    form->Text1.setText(u"ger"_s);
    form->Text1.setText(u"xyz"_s);
    EXPECT_EQ(form->Text6.Text(), u"Algiers"_s);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(0)"_s);
}

TEST(Search, WithoutClearingMatchesAccumulate)
{
    const auto form = loadedForm();
    form->List1.Clear();
    Form1Probe::filter(*form, u"DE"_s, false);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(1)"_s);
    Form1Probe::filter(*form, u"FR"_s, false);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(2)"_s);
    // A code without an index entry adds nothing and selects nothing.
    Form1Probe::filter(*form, u"AX"_s, false);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(2)"_s);
    EXPECT_EQ(entries(form->List1), (QStringList{u"Germany DE"_s, u"France FR"_s}));
    EXPECT_EQ(form->List1.ListIndex(), 0);
    EXPECT_EQ(form->Text5.Text(), u"DEU"_s) << "only the first addition is shown";
}

TEST(Search, FocusSelectsTheWholeText)
{
    const auto form = loadedForm();
    form->Text1.setText(u"Germany"_s);
    form->Text1.raiseGotFocus();
    EXPECT_EQ(form->Text1.SelStart(), 0);
    EXPECT_EQ(form->Text1.SelLength(), 7);
}

TEST(Search, AnyTextIsSafeToType)
{
    const auto form = loadedForm();
    // Surrogates that pair with nothing, around a text that would otherwise match.
    const QString lone = QChar(0xD800) + u"ger"_s + QChar(0xDFFF);
    const QString inputs[] = {
        QString(1024 * 1024, u'a'),
        QString(1024 * 1024, u'x') + u"germany"_s,
        u"ger\x01\x1b\n\t\r"_s,
        QString(3, QChar(0)),
        lone,
        u"€ƒ日本"_s,
    };
    for (const QString &input : inputs) {
        form->Text1.setText(input);
        EXPECT_EQ(form->CounterLabel.Caption(),
                  u'(' + QString::number(form->List1.ListCount()) + u')');
        EXPECT_EQ(form->List1.ListCount(), 0) << input.left(20).toStdString();
        EXPECT_EQ(form->Text1.Text(), input);
        form->Text1.raiseGotFocus();
        EXPECT_EQ(form->Text1.SelLength(), input.size());
    }
    form->Text1.setText(QString());
    EXPECT_EQ(form->List1.ListCount(), 243) << "an emptied box lists the whole index again";
}

TEST(Search, EntriesBeyondAsciiAreUpperCasedByTheFullRules)
{
    const auto form = loadedForm();
    form->TMplist.AddItem(u"Åland Islands AX"_s);
    form->TMplist.AddItem(u"Großbritannien GB"_s);
    form->Text1.setText(u"åla"_s);
    EXPECT_EQ(entries(form->List1), QStringList{u"Åland Islands AX"_s});
    form->Text1.setText(u"GROSS"_s);
    EXPECT_EQ(entries(form->List1), QStringList{u"Großbritannien GB"_s});
    form->Text1.setText(u"ala"_s);
    EXPECT_FALSE(entries(form->List1).contains(u"Åland Islands AX"_s));
}
