#include "search/match.h"

#include "data/country_codes.h"

#include <algorithm>

namespace orbisco::search {

namespace {

// The upper-case form of entry, in buffer. Plain ASCII, as every built-in entry is, is mapped
// here directly; any other text gets the full Unicode rules.
QStringView upperCased(const QString &entry, QString &buffer)
{
    const bool ascii = std::ranges::all_of(entry, [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        buffer = entry.toUpper();
        return buffer;
    }
    buffer.resize(entry.size());
    char16_t *out = reinterpret_cast<char16_t *>(buffer.data());
    for (const QChar c : entry)
        *out++ = c >= u'a' && c <= u'z' ? char16_t(c.unicode() - (u'a' - u'A')) : c.unicode();
    return buffer;
}

} // namespace

bool matchesQuery(const QString &entry, const QString &upperQuery, QString &buffer)
{
    if (upperQuery.size() <= 2) {
        const QStringView code = entryCode(entry);
        return !code.isEmpty() && code.contains(upperQuery);
    }
    return upperCased(entry, buffer).contains(upperQuery);
}

} // namespace orbisco::search
