#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace orbisco::facts {

// A currency in use in a country, from ICU's copy of the Unicode CLDR currency history.
struct Currency
{
    QString code;        // ISO 4217: "EUR"
    QDate since;         // when it came into use there; invalid when the history does not say
    QString name;        // German: "Euro"; English where ICU has no German name; else the code
    QString englishName; // "Euro"
};

// The legal tender in use on `date` in the country of a record's two-letter code (a withdrawn
// code by its successor), in the history's order; empty when ICU knows none.
QList<Currency> currenciesInUse(QStringView code, QDate date);

// Whether a built-in currency text agrees with the currencies in use: through any ISO code in
// any of its parentheses ("Salvadoran colón (SVC), United States dollar (USD, $)"), or, naming
// no code, through its whole text being the English name of one of them, ignoring case. An empty
// text or "-" says nothing.
enum class Agreement { Agrees, Disagrees, Silent };
Agreement currencyAgreement(QStringView builtIn, const QList<Currency> &inUse);

// What the currency read-out adds to the built-in text of the shown record, in German.
struct CurrencyCheck
{
    QString details;    // tool tip and accessible description; empty while no record is shown
    bool stale = false; // the built-in text names no currency in use

    bool operator==(const CurrencyCheck &) const = default;
};
// code: the shown record's code ("" while the panel shows "?"); builtIn: its currency text.
CurrencyCheck checkCurrency(QStringView code, QStringView builtIn, QDate date);

} // namespace orbisco::facts
