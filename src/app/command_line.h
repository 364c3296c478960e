#pragma once

#include <QString>

namespace orbisco {

// The arguments after the program's name, joined by one blank, exactly as given: this is the
// initial search text. Bytes that are not valid in the locale's encoding become U+FFFD.
QString commandLineText(int argc, const char *const *argv);

// What the command line asks for. Only a whole argument list of exactly "--help" or "-h" asks for
// the usage, and only "--version" or "-v" for the version; any other list is search text.
enum class CommandLineRequest { Search, Usage, Version };
CommandLineRequest commandLineRequest(int argc, const char *const *argv);

// The texts printed for the two requests, each ending in a newline.
QString usageText();
QString versionText();

} // namespace orbisco
