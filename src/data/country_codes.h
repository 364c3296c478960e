#pragma once

#include <QStringView>

#include <span>

namespace orbisco {

// The rules of the codes the built-in data use: which code an index entry names, which code a
// withdrawn record's country has today, and what a code looks like.

// The code of an index entry: its last two characters ("Germany DE" names DE); empty for an entry
// shorter than that.
QStringView entryCode(QStringView entry);

// The code a country has today: a record's code withdrawn from ISO 3166-1 goes to its successor
// where there is one (UK to GB, TP to TL, ZR to CD, AN to CW); any other code stays as it is.
QStringView currentCode(QStringView code);

// Every code that stands today for what a record's code stood for: the Netherlands Antilles (AN)
// are the islands that were them, Curaçao, Sint Maarten and the Caribbean Netherlands (CW, SX,
// BQ); any other code has one, its current code. The first is currentCode's.
std::span<const QStringView> currentCodes(const QStringView &code);

// Whether a text is a code of `length` capital ASCII letters: an ISO 3166 region (2), an ISO 4217
// currency (3).
bool isCapitalCode(QStringView text, qsizetype length);

} // namespace orbisco
