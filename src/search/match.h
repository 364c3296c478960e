#pragma once

#include <QString>

namespace orbisco::search {

// Whether the filter lists entry for upperQuery, the query already upper-cased. A query of up to
// two characters is looked for in the entry's code alone, so "d" does not list "Sweden SE"; from
// three characters on, in the whole upper-cased entry, code included. buffer is scratch space,
// reused from entry to entry: every keystroke scans the whole index.
bool matchesQuery(const QString &entry, const QString &upperQuery, QString &buffer);

} // namespace orbisco::search
