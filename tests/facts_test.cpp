// The built-in currencies against ICU's copy of the Unicode CLDR currency history, on fixed dates:
// which records are stale, what the read-out's details say, and that no code at no date makes
// ICU fall over.
#include "data/builtin_data.h"
#include "facts/currency.h"
#include "facts/german_search.h"
#include "facts/region_names.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>

using namespace orbisco;
using namespace orbisco::facts;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 9);

// The built-in record's currency text of a code.
QString builtInCurrency(QStringView code)
{
    for (const QStringView record : kCountryRecords) {
        if (record.startsWith(code) && record.size() > 2 && record[2] == u';')
            return record.toString().section(u';', 2, 2);
    }
    return {};
}

CurrencyCheck check(const QString &code, QDate date = kToday)
{
    return checkCurrency(code, builtInCurrency(code), date);
}

} // namespace

TEST(Currency, ExactlyTheTenStaleRecordsDisagreeToday)
{
    QStringList stale;
    for (const QStringView record : kCountryRecords) {
        const QString code = record.first(2).toString();
        if (check(code).stale && !stale.contains(code))
            stale.append(code);
    }
    stale.sort();
    EXPECT_EQ(stale,
              (QStringList{u"BY"_s, u"HR"_s, u"LT"_s, u"LV"_s, u"MR"_s, u"SL"_s, u"ST"_s, u"VE"_s,
                           u"ZM"_s, u"ZR"_s}));

    EXPECT_EQ(check(u"HR"_s).details,
              u"Seit 01.01.2023 gilt Euro (EUR). Die eingebaute Angabe weicht davon ab."_s);
    EXPECT_EQ(check(u"BY"_s).details.left(31), u"Seit 01.07.2016 gilt Weißrussis"_s);
    // DR Congo pays in Congolese francs, Zaïre's successor; Sierra Leone's new leone has no
    // German name in ICU 72, so its English one stands.
    EXPECT_TRUE(check(u"ZR"_s).details.contains(u"(CDF)"_s))
        << check(u"ZR"_s).details.toStdString();
    EXPECT_TRUE(check(u"SL"_s).details.contains(u"Sierra Leonean Leone (SLE)"_s))
        << check(u"SL"_s).details.toStdString();
}

TEST(Currency, CroatiasKunaAgreesUntilItIsWithdrawn)
{
    // The history keeps the kuna beside the euro for the fortnight of dual circulation (ICU's data
    // end it with 15 January 2023).
    EXPECT_FALSE(check(u"HR"_s, QDate(2022, 12, 31)).stale);
    EXPECT_EQ(check(u"HR"_s, QDate(2022, 12, 31)).details, u"Kroatischer Kuna (HRK)"_s);
    EXPECT_FALSE(check(u"HR"_s, QDate(2023, 1, 1)).stale);
    EXPECT_TRUE(check(u"HR"_s, QDate(2023, 1, 1)).details.contains(u"Euro (EUR)"_s));
    EXPECT_FALSE(check(u"HR"_s, QDate(2023, 1, 15)).stale);
    EXPECT_TRUE(check(u"HR"_s, QDate(2023, 1, 16)).stale);
}

TEST(Currency, AgreeingTextsWithAndWithoutCode)
{
    EXPECT_EQ(check(u"DE"_s), (CurrencyCheck{u"Euro (EUR)"_s, false}));
    EXPECT_EQ(check(u"HT"_s).details, u"Haitianische Gourde (HTG), US-Dollar (USD)"_s);
    // El Salvador agrees through the dollar; the Netherlands Antilles (by Curaçao) by name alone.
    EXPECT_FALSE(check(u"SV"_s).stale);
    EXPECT_EQ(currencyAgreement(builtInCurrency(u"AN"), currenciesInUse(u"AN", kToday)),
              Agreement::Agrees);
    EXPECT_EQ(currencyAgreement(u"netherlands antillean GUILDER", currenciesInUse(u"CW", kToday)),
              Agreement::Agrees);
    EXPECT_EQ(currencyAgreement(u"Euro", currenciesInUse(u"CW", kToday)), Agreement::Disagrees);

    // No text to check, or nothing to check it against.
    EXPECT_EQ(checkCurrency(u"NO", u"-", kToday).details,
              u"Laut Unicode CLDR: Norwegische Krone (NOK)"_s);
    EXPECT_EQ(checkCurrency(u"NO", u"", kToday).stale, false);
    EXPECT_EQ(check(u"AQ"_s), (CurrencyCheck{u"Für AQ ist keine Währung bekannt."_s, false}));
    EXPECT_EQ(check(QString()), CurrencyCheck{}) << "the panel shows \"?\"";
}

TEST(Currency, MalformedTextsAndCodes)
{
    const QList<Currency> croatia = currenciesInUse(u"HR", kToday);
    for (QStringView text : {u"(", u"()", u"(HRK", u"EUR)", u")(", u"(eur)", u"(EURO)", u"(E,UR)"})
        EXPECT_EQ(currencyAgreement(text, croatia), Agreement::Disagrees)
            << text.toString().toStdString();
    EXPECT_EQ(currencyAgreement(u" ( EUR ) ", croatia), Agreement::Agrees);
    EXPECT_EQ(currencyAgreement(u"x (HRK) (EUR)", croatia), Agreement::Agrees);
    // A parenthesis never closed still names its code, as in the record of the Czech Republic,
    // "Czech koruna (CZK, Kc(", which agrees.
    EXPECT_EQ(currencyAgreement(u"(EUR", croatia), Agreement::Agrees);
    EXPECT_FALSE(check(u"CZ"_s).stale);
    for (QStringView code : {u"", u"H", u"hr", u"HRV", u"\u00c4X", u"ZZ", u"XX", u"QO"})
        EXPECT_TRUE(currenciesInUse(code, kToday).isEmpty()) << code.toString().toStdString();
    EXPECT_TRUE(currenciesInUse(u"HR", QDate()).isEmpty());
    // A megabyte of open parentheses and half-written codes.
    const QString huge = u"(HRK, ("_s.repeated(150'000);
    EXPECT_TRUE(checkCurrency(u"HR", huge, kToday).stale);
    EXPECT_FALSE(checkCurrency(u"HR", huge + u"EUR)"_s, kToday).stale);
}

TEST(Currency, EveryCodeAtEveryDateFrom1900To2100)
{
    // ICU's own currency-by-date functions crash for some of these (AQ, VE before its first
    // currency, ZZ); the history read here must not, for any code of the records or the index.
    QStringList codes;
    for (const QStringView record : kCountryRecords)
        codes.append(record.first(2).toString());
    for (const QStringView entry : kCountryIndex)
        codes.append(entry.right(2).toString());
    codes.append({u"ZZ"_s, u"AQ"_s, u"VE"_s});
    codes.removeDuplicates();
    int checked = 0;
    for (const QString &code : codes) {
        const QString builtIn = builtInCurrency(code);
        // ICU is read once per code; each date only picks from what it gave. A week apart, and
        // each currency on the day it came into use and the day before.
        for (QDate date(1900, 1, 1); date.year() <= 2100; date = date.addDays(7)) {
            for (const Currency &currency : currenciesInUse(code, date)) {
                ASSERT_TRUE(!currency.since.isValid() || currency.since <= date)
                    << code.toStdString();
                if (currency.since.isValid() && currency.since.year() >= 1900) {
                    ASSERT_TRUE(std::ranges::none_of(
                        currenciesInUse(code, currency.since.addDays(-1)),
                        [&](const Currency &c) { return c.code == currency.code; }))
                        << code.toStdString() << " " << currency.code.toStdString();
                }
            }
            if (date.dayOfYear() <= 7)
                checked += checkCurrency(code, builtIn, date).details.isEmpty() ? 0 : 1;
        }
    }
    EXPECT_EQ(checked, int(codes.size()) * 201);
    EXPECT_TRUE(currenciesInUse(u"VE", QDate(1850, 1, 1)).isEmpty());
}

TEST(RegionNames, GermanFromIcu)
{
    EXPECT_EQ(germanName(u"DE"), u"Deutschland"_s);
    EXPECT_EQ(germanName(u"CD"), u"Kongo-Kinshasa"_s);
    EXPECT_EQ(germanName(u"ZR"), u"Kongo-Kinshasa"_s) << "a withdrawn code by its successor";
    EXPECT_EQ(germanName(u"UK"), u"Vereinigtes Königreich"_s);
    EXPECT_EQ(germanName(u"CI"), u"Côte d’Ivoire"_s);
    for (QStringView none : {u"", u"?", u"de", u"D", u"DEU", u"QQ", u"XY"})
        EXPECT_TRUE(germanName(none).isEmpty()) << none.toString().toStdString();
}

TEST(GermanSearch, SuggestsEntriesByTheirGermanNames)
{
    QStringList index;
    for (const QStringView entry : kCountryIndex)
        index << entry.toString();
    GermanSearch search;
    const auto entries = [&](QStringView query) {
        QStringList found;
        for (const Suggestion &suggestion : search.suggest(query, index))
            found << suggestion.entry + u" – "_s + suggestion.germanName;
        return found;
    };
    EXPECT_EQ(entries(u"Deutschland"), QStringList{u"Germany DE – Deutschland"_s});
    // Case and accents ignored, as people type.
    for (QStringView austria : {u"Österreich", u"osterreich", u"ÖSTERREICH", u"sterr"})
        EXPECT_EQ(entries(austria), QStringList{u"Austria AT – Österreich"_s});
    EXPECT_EQ(entries(u"Schweiz"), QStringList{u"Switzerland CH – Schweiz"_s});
    EXPECT_EQ(entries(u"tschechien"), QStringList{u"Czech Republic CZ – Tschechien"_s});
    // Both Congos, in the index's order; Zaïre by its successor's name.
    EXPECT_EQ(entries(u"Kongo"),
              (QStringList{u"Congo CG – Kongo-Brazzaville"_s, u"Zaire ZR – Kongo-Kinshasa"_s}));
    // The Netherlands, and the Antilles by Curaçao, their successor's name, which holds no
    // "Niederlande".
    EXPECT_EQ(entries(u"Niederlande"), QStringList{u"Netherlands NL – Niederlande"_s});
    // At most five, in the index's order.
    EXPECT_EQ(entries(u"ins").size(), 5);

    // No suggestion: too short, nothing to compare, too long, a name ICU does not have.
    for (QStringView none : {u"de", u"  ", u"   ", u"\u0308\u0308\u0308", u"- -", u"Germanien"})
        EXPECT_TRUE(entries(none).isEmpty()) << none.toString().toStdString();
    EXPECT_TRUE(entries(QString(GermanSearch::kLongestQuery + 1, u'a')).isEmpty());
    EXPECT_TRUE(entries(QString(1 << 20, u'\xd800')).isEmpty()) << "a megabyte of lone surrogates";
}
