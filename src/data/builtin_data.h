#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <span>

namespace orbisco {

// Everything the program shows is compiled in: nothing is read from a file.
extern const std::array<QStringView, 243> kCountryIndex;
extern const std::array<QStringView, 252> kCountryRecords;
// The countries' outlines from the DCW-GMT borders, made by tools/country-outlines.py: read by
// geo/country_outlines.h, which says how they are laid out.
extern const std::span<const qint16> kCountryOutlines;

} // namespace orbisco
