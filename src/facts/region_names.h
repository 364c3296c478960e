#pragma once

#include <QString>
#include <QStringView>

namespace orbisco::facts {

// ICU's German name of a country or territory, from its copy of the Unicode CLDR, by its
// two-letter code (a withdrawn code by its successor): "Deutschland", "Kongo-Kinshasa". Empty
// where ICU has none.
QString germanName(QStringView code);

} // namespace orbisco::facts
