#pragma once

#include <QString>

namespace orbisco {

// The arguments after the program's name, joined by one blank, exactly as given: this is the
// initial search text. Bytes that are not valid in the locale's encoding become U+FFFD.
QString commandLineText(int argc, const char *const *argv);

} // namespace orbisco
