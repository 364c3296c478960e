#pragma once

#include <QStringView>

namespace orbisco {

// The code a country has today: a record's code withdrawn from ISO 3166-1 goes to its successor
// where there is one (UK to GB, TP to TL, ZR to CD, AN to CW); any other code stays as it is.
QStringView currentCode(QStringView code);

// Whether a text is a code of `length` capital ASCII letters: an ISO 3166 region (2), an ISO 4217
// currency (3).
bool isCapitalCode(QStringView text, qsizetype length);

} // namespace orbisco
