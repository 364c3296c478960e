#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace orbisco::facts {

// Who lives in a region and which languages they speak, from ICU's copy of the Unicode CLDR
// (supplementalData, territoryInfo): the population, and each language's share of it with its
// official standing.

// A decimal number as ICU's resource converter writes CLDR's values into integers: for n ≠ 0,
// |n| = e·1,000,000 + m stands for m·10^(e − 55), signed as n; 0 stands for 0. Kept as mantissa
// and power of ten, so that rounding it is exact.
struct CldrNumber
{
    qint64 mantissa = 0;
    int exponent = 0; // of ten

    static CldrNumber decoded(qint64 encoded);
    double value() const;
    // The number in units of 10^power, rounded half away from zero: 80,159,700 in units of 10^5
    // is 802. Saturates far beyond any population.
    qint64 inUnitsOf(int power) const;

    bool operator==(const CldrNumber &) const = default;
};

enum class LanguageStatus { None, Official, DeFactoOfficial, OfficialRegional, OfficialMinority };

struct SpokenLanguage
{
    QByteArray code;  // "de", "gsw"
    CldrNumber share; // of the population, from 0 to 1
    LanguageStatus status = LanguageStatus::None;

    bool operator==(const SpokenLanguage &) const = default;
};

struct TerritoryFacts
{
    QString region; // whose facts these are: GB for a record's UK
    std::optional<CldrNumber> population;
    // Largest share first, ties by code; neither "und" (unknown) nor a share outside 0 to 1.
    std::vector<SpokenLanguage> languages;

    bool operator==(const TerritoryFacts &) const = default;
};

// One entry of a region's table as ICU hands it back, unchecked: its key, and the values of the
// kinds the facts are read from, where the entry has them.
struct TerritoryEntry
{
    QByteArray key;                         // "territoryF", or a language: "de"
    std::vector<qint64> numbers;            // territoryF: gdp, literacy, population
    std::optional<qint64> populationShareF; // a language's
    QByteArray officialStatus;              // a language's: "official", ...; empty for none
};

// The facts of a region from its entries; a number that is no sensible value (a negative
// population, a share beyond the whole) is left out, never shown.
TerritoryFacts territoryFactsFrom(const QString &region,
                                  const std::vector<TerritoryEntry> &entries);

// The facts of a record's code, a withdrawn code by its successor; empty where ICU has none for
// it, or where an ICU call fails. ICU's data are opened when first asked for.
std::optional<TerritoryFacts> territoryFacts(QStringView recordCode);

} // namespace orbisco::facts
