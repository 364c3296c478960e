#pragma once

#include "facts/territory_info.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace orbisco::facts {

// What the "Sprachen:" read-out adds to the record's languages, in German, from the Unicode CLDR.
// No mark: the records name languages in words of their own ("Bengali", "Slovene"), which cannot
// be compared fairly with the CLDR's.

// "1,39 Mrd." from a billion (two decimals), "80,2 Mio." from a million (one decimal), below
// whole and grouped by points ("151.345", "1.000", "300"); rounded half up.
QString populationText(const CldrNumber &population);
// A share of the population: "91 %" from 10 % (whole), "4,3 %" from 1 % (one decimal),
// "unter 1 %" below; rounded half up.
QString shareText(const CldrNumber &share);
// ICU's German name of a language: "Deutsch", "Schweizerdeutsch"; the code where it has none.
QString languageName(const QByteArray &code);

struct LanguagesCheck
{
    QString details; // a line each; empty while no record is shown

    bool operator==(const LanguagesCheck &) const = default;
};

// code: the shown record's code; facts: the CLDR's of it (territoryFacts); names: a language's
// name by its code.
// "Laut Unicode CLDR (80,2 Mio. Einwohner):" ("für GB" where the facts are a successor's), then
// "Amtssprache: Deutsch (91 %)" (official and de facto, the latter marked), "Regional: …"
// (regional and minority), "Weitere: …" (without status, from 10 %): each largest first, at
// most five, then "und 15 weitere"; a line with none is left out. Or "Die Unicode CLDR hat für XX
// keine Angaben."
LanguagesCheck checkLanguages(QStringView code, const std::optional<TerritoryFacts> &facts,
                              const std::function<QString(const QByteArray &)> &names
                              = &languageName);

} // namespace orbisco::facts
