// The facts of today beside the record's: the languages and people of the Unicode CLDR in ICU's
// copy, and the codes' standing in ISO 3166 as Debian's iso-codes has it.
#include "core_application.h"
#include "form1_probe.h"

#include "facts/code_check.h"
#include "facts/iso_codes.h"
#include "facts/languages_check.h"
#include "facts/territory_info.h"
#include "viewmodel/window_model.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orbisco;
using namespace orbisco::facts;
using namespace Qt::StringLiterals;

namespace {

QStringList linesOf(const QString &code)
{
    return checkLanguages(code, territoryFacts(code)).details.split(u'\n');
}

const IsoCodes &systemCodes()
{
    static const IsoCodes codes = IsoCodes::fromFolder(IsoCodes::systemFolder());
    return codes;
}

// A folder of iso-codes' files with the given texts; an empty text leaves its file out.
void writeIsoCodes(const QString &folder, const QByteArray &part1, const QByteArray &part3)
{
    for (const auto &[name, text] :
         {std::pair{u"iso_3166-1.json"_s, part1}, std::pair{u"iso_3166-3.json"_s, part3}}) {
        if (text.isEmpty())
            continue;
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
}

} // namespace

TEST(FactsOfToday, TheCldrsNumbersAsPublished)
{
    // CLDR's territoryInfo: Germany 80,159,700 people, 91 % of them speak German; 4.3 % of the
    // Swiss speak Italian.
    const std::optional<TerritoryFacts> germany = territoryFacts(u"DE");
    ASSERT_TRUE(germany && germany->population);
    EXPECT_EQ(germany->population->inUnitsOf(0), 80'159'700);
    ASSERT_FALSE(germany->languages.empty());
    EXPECT_EQ(germany->languages.front().code, "de");
    EXPECT_EQ(germany->languages.front().status, LanguageStatus::Official);
    EXPECT_DOUBLE_EQ(germany->languages.front().share.value(), 0.91);
    const std::optional<TerritoryFacts> switzerland = territoryFacts(u"CH");
    ASSERT_TRUE(switzerland);
    const auto italian = std::ranges::find(switzerland->languages, "it", &SpokenLanguage::code);
    ASSERT_NE(italian, switzerland->languages.end());
    EXPECT_DOUBLE_EQ(italian->share.value(), 0.043);

    // The encoding itself: |n| = e·1,000,000 + m for m·10^(e − 55), signed; 0 is 0.
    EXPECT_EQ(CldrNumber::decoded(57'801'597).inUnitsOf(0), 80'159'700);
    EXPECT_EQ(CldrNumber::decoded(-57'801'597).inUnitsOf(0), -80'159'700);
    EXPECT_EQ(CldrNumber::decoded(0).value(), 0.0);
    EXPECT_EQ(CldrNumber::decoded(53'100'000).inUnitsOf(0), 1000);
    EXPECT_EQ(CldrNumber::decoded(57'801'597).inUnitsOf(5), 802) << "half up";
}

TEST(FactsOfToday, NumbersInGerman)
{
    const auto population = [](qint64 people) { return populationText({people, 0}); };
    EXPECT_EQ(population(1'393'000'000), u"1,39 Mrd."_s);
    EXPECT_EQ(population(80'159'700), u"80,2 Mio."_s);
    EXPECT_EQ(population(1'000'000), u"1,0 Mio."_s);
    EXPECT_EQ(population(151'345), u"151.345"_s);
    EXPECT_EQ(population(1000), u"1.000"_s);
    EXPECT_EQ(population(300), u"300"_s);
    EXPECT_EQ(population(1'395'000'000), u"1,40 Mrd."_s) << "half up";
    const auto share = [](qint64 thousandths) { return shareText({thousandths, -3}); };
    EXPECT_EQ(share(910), u"91 %"_s);
    EXPECT_EQ(share(100), u"10 %"_s);
    EXPECT_EQ(share(43), u"4,3 %"_s);
    EXPECT_EQ(share(10), u"1,0 %"_s);
    EXPECT_EQ(share(9), u"unter 1 %"_s);
    EXPECT_EQ(shareText({905, -4}), u"9,1 %"_s) << "half up";
}

TEST(FactsOfToday, LanguagesAndPeopleOfACountry)
{
    EXPECT_EQ(linesOf(u"DE"_s).front(), u"Laut Unicode CLDR (80,2 Mio. Einwohner):"_s);
    EXPECT_TRUE(linesOf(u"DE"_s).contains(u"Amtssprache: Deutsch (91 %)"_s));
    // Four official languages, one of them de facto; and one regional.
    const QStringList swiss = linesOf(u"CH"_s);
    EXPECT_TRUE(swiss.contains(u"Amtssprachen: Deutsch (73 %), Schweizerdeutsch (65 %, de facto), "
                               "Französisch (21 %), Italienisch (4,3 %)"_s))
        << swiss.join(u" | "_s).toStdString();
    EXPECT_TRUE(swiss.contains(u"Regional: Rätoromanisch (unter 1 %)"_s));
    // Without standing, from a tenth of the people on.
    const QStringList germany = linesOf(u"DE"_s);
    const auto others = germany.filter(u"Weitere: "_s);
    ASSERT_EQ(others.size(), 1);
    EXPECT_TRUE(others.front().startsWith(u"Weitere: Englisch (64 %), Französisch (18 %)"_s));
    // India has twenty regional languages: five named.
    const QStringList india = linesOf(u"IN"_s);
    EXPECT_TRUE(india.filter(u"Regional: "_s).value(0).endsWith(u" und 15 weitere"_s))
        << india.join(u" | "_s).toStdString();
    // A thousand people; billions; nobody's language (Antarctica's "und") is none.
    EXPECT_EQ(linesOf(u"VA"_s).front(), u"Laut Unicode CLDR (1.000 Einwohner):"_s);
    EXPECT_TRUE(linesOf(u"CN"_s).front().endsWith(u" Mrd. Einwohner):"_s));
    EXPECT_EQ(linesOf(u"AQ"_s).size(), 1);
    EXPECT_FALSE(linesOf(u"AQ"_s).join(u' ').contains(u"und"_s));
    // A withdrawn code by its successor, named; a region ICU does not know; no record.
    EXPECT_TRUE(linesOf(u"ZR"_s).front().startsWith(u"Laut Unicode CLDR für CD ("_s));
    EXPECT_EQ(linesOf(u"UK"_s).front().left(24), u"Laut Unicode CLDR für GB"_s);
    EXPECT_EQ(linesOf(u"QQ"_s), QStringList{u"Die Unicode CLDR hat für QQ keine Angaben."_s});
    EXPECT_TRUE(checkLanguages(u"", std::nullopt).details.isEmpty());
}

TEST(FactsOfToday, ValuesThatAreNoneAreNeverShown)
{
    // A negative population, shares beyond the whole or below nothing, "und", a key that is no
    // language: left out, and the rest as usual.
    const TerritoryFacts facts
        = territoryFactsFrom(u"XX"_s,
                             {{"territoryF", {1, 2, -57'801'597}, std::nullopt, {}},
                              {"de", {}, 49'910'000, "official"},
                              {"fr", {}, 56'200'000, "official"},
                              {"it", {}, -49'100'000, {}},
                              {"und", {}, 50'100'000, {}},
                              {"1x", {}, 49'500'000, {}},
                              {"en", {}, std::nullopt, {}},
                              {"territoryF", {}, std::nullopt, {}}});
    EXPECT_FALSE(facts.population);
    ASSERT_EQ(facts.languages.size(), 1u);
    EXPECT_EQ(facts.languages.front().code, "de");
    const auto codes = [](const QByteArray &code) { return QString::fromLatin1(code); };
    EXPECT_EQ(checkLanguages(u"XX", facts, codes).details,
              u"Laut Unicode CLDR:\nAmtssprache: de (91 %)"_s);
}

TEST(FactsOfToday, TheCodesInIso3166)
{
    const IsoCodes &codes = systemCodes();
    ASSERT_FALSE(codes.isEmpty()) << "iso-codes is installed";
    const CodeCheck germany = checkCode(u"DE", u"DEU", codes);
    EXPECT_EQ(germany.details, u"ISO 3166-1: DE, DEU, Nummer 276 (Federal Republic of Germany)"_s);
    EXPECT_FALSE(germany.stale);
    EXPECT_EQ(germany.flag, u"DE"_s);
    // Withdrawn: since when, what it was; a mark and no flag.
    const CodeCheck zaire = checkCode(u"ZR", u"", codes);
    EXPECT_EQ(zaire.details,
              u"ZR steht seit 14.07.1997 nicht mehr in ISO 3166-1 (Zaire, Republic "
              "of; ZAR, Nummer 180)."_s);
    EXPECT_TRUE(zaire.stale);
    EXPECT_TRUE(zaire.flag.isEmpty());
    // Never a code: what ISO has for the three letters, and that country's flag.
    const CodeCheck britain = checkCode(u"UK", u"GBR", codes);
    EXPECT_EQ(britain.details,
              u"UK ist kein Code der ISO 3166-1; dort steht GBR für GB (United "
              "Kingdom of Great Britain and Northern Ireland)."_s);
    EXPECT_TRUE(britain.stale);
    EXPECT_EQ(britain.flag, u"GB"_s);
    EXPECT_EQ(checkCode(u"QQ", u"QQQ", codes).details, u"QQ ist kein Code der ISO 3166-1."_s);
    // A record's alpha-3 that is not ISO's for its alpha-2 (as a person may type it).
    const CodeCheck typed = checkCode(u"DE", u"GER", codes);
    EXPECT_EQ(typed.details,
              u"ISO 3166-1: DE, DEU, Nummer 276 (Federal Republic of Germany). Die "
              "eingebaute Angabe weicht davon ab."_s);
    EXPECT_TRUE(typed.stale);
    EXPECT_EQ(checkCode(u"", u"", codes), CodeCheck());
}

TEST(FactsOfToday, IsoCodesMissingOrMalformed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Absent: nothing is said, no mark.
    EXPECT_TRUE(IsoCodes::fromFolder(dir.path() + u"/none"_s).isEmpty());
    EXPECT_EQ(checkCode(u"DE", u"DEU", IsoCodes::fromFolder(dir.path() + u"/none"_s)), CodeCheck());
    // A code missing from a file that holds others; entries of wrong types are left out.
    writeIsoCodes(dir.path(),
                  R"({"3166-1": [{"alpha_2": "FR", "alpha_3": "FRA", "numeric": "250",
                      "name": "France"}, {"alpha_2": 7}, "DE", {"alpha_2": "DE", "alpha_3": "DEU",
                      "numeric": 276, "name": "Germany"}]})",
                  R"({"3166-3": {"alpha_2": "ZR"}})");
    const IsoCodes codes = IsoCodes::fromFolder(dir.path());
    EXPECT_TRUE(codes.byAlpha2(u"FR"));
    EXPECT_FALSE(codes.byAlpha2(u"DE")) << "its number is no text";
    EXPECT_EQ(checkCode(u"DE", u"DEU", codes).details, u"DE ist kein Code der ISO 3166-1."_s);
    EXPECT_EQ(checkCode(u"ZR", u"", codes).details, u"ZR ist kein Code der ISO 3166-1."_s);
    // Truncated, or no JSON at all.
    EXPECT_TRUE(IsoCodes::fromJson(R"({"3166-1": [{"alpha_2": "FR", "alp)", {}).isEmpty());
    EXPECT_TRUE(IsoCodes::fromJson("\xff\xfe not json", "[]").isEmpty());
    // Ten megabytes are none of iso-codes' files: not even parsed.
    EXPECT_TRUE(IsoCodes::fromJson(QByteArray(10 << 20, '['), {}).isEmpty());
}

namespace {

using FactsReadoutTest = CoreApplicationTest;

} // namespace

TEST_F(FactsReadoutTest, TheChecksFollowTheRecordFromTheFirstPaint)
{
    QTemporaryDir isoCodes; // empty until the first paint: read then, not before
    ASSERT_TRUE(isoCodes.isValid());
    const auto form = loadedForm(u"germany"_s);
    viewmodel::WindowModel model(*form, {}, localtime::ZoneDirectory(), isoCodes.path());
    EXPECT_TRUE(model.code().check().details.isEmpty());
    EXPECT_TRUE(model.languages().check().details.isEmpty());
    QFile::copy(IsoCodes::systemFolder() + u"/iso_3166-1.json"_s,
                isoCodes.path() + u"/iso_3166-1.json"_s);
    model.start();
    EXPECT_TRUE(model.code().check().details.startsWith(u"ISO 3166-1: DE, DEU, Nummer 276"_s));
    EXPECT_EQ(model.codeDescription(), model.code().check().details + u"\nFlagge: Deutschland"_s);
    EXPECT_TRUE(model.languagesDetails(false).startsWith(u"Laut Unicode CLDR (80,2 Mio."_s));
    EXPECT_TRUE(model.languagesDetails(true).startsWith(u"German (de facto)\nLaut Unicode CLDR"_s));

    // What a person types into the boxes changes nothing of what is checked.
    form->Text5.setText(u"XYZ"_s);
    form->Text4.setText(u"Klingon"_s);
    form->Text1.setText(u"german"_s); // the same record again
    EXPECT_FALSE(model.code().check().stale);
    // The United Kingdom: Great Britain's facts and flag; "?" says nothing.
    form->Text1.setText(u"united kingdom (great britain) uk"_s);
    EXPECT_EQ(form->shownCountry().code, u"UK"_s);
    EXPECT_TRUE(model.code().check().stale);
    EXPECT_TRUE(model.codeDescription().endsWith(u"\nFlagge: Vereinigtes Königreich"_s));
    form->Text1.setText(u"fx"_s);
    EXPECT_EQ(model.code().check(), CodeCheck());
    EXPECT_TRUE(model.languagesDetails(false).isEmpty());
}
