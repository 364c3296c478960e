#pragma once

#include <QStringView>

#include <array>

namespace orbisco {

// Everything the program shows is compiled in: nothing is read from a file.
extern const std::array<QStringView, 243> kCountryIndex;
extern const std::array<QStringView, 252> kCountryRecords;

} // namespace orbisco
