// The search by German name with any query: any length, any UTF-16 (lone surrogates, only
// accents or blanks). At most five suggestions, each an index entry whose German name ICU has.
#include "fuzz_support.h"

#include "data/builtin_data.h"
#include "facts/german_search.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static facts::GermanSearch search;
    static const QStringList index = [] {
        QStringList entries;
        for (const QStringView entry : kCountryIndex)
            entries << entry.toString();
        return entries;
    }();
    const QString query = fuzz::utf16(data, size);
    const std::vector<facts::Suggestion> found = search.suggest(query, index);
    FUZZ_CHECK(found.size() <= facts::GermanSearch::kMostSuggestions);
    FUZZ_CHECK(found.empty() || query.size() >= facts::GermanSearch::kShortestQuery);
    qsizetype last = -1;
    for (const facts::Suggestion &suggestion : found) {
        const qsizetype at = index.indexOf(suggestion.entry);
        FUZZ_CHECK(at > last); // in the index's order, each once
        last = at;
        FUZZ_CHECK(suggestion.entry.endsWith(suggestion.code));
        FUZZ_CHECK(!suggestion.germanName.isEmpty());
    }
    return 0;
}
