#include "facts/german_search.h"

#include "data/country_codes.h"
#include "facts/region_names.h"

#include <unicode/ucol.h>
#include <unicode/usearch.h>
#include <unicode/utypes.h>

#include <array>
#include <memory>

namespace orbisco::facts {

namespace {

const UChar *units(QStringView text)
{
    return reinterpret_cast<const UChar *>(text.utf16());
}

struct SearchCloser
{
    void operator()(UStringSearch *search) const { usearch_close(search); }
};

} // namespace

QString suggestionLine(const Suggestion &suggestion)
{
    return suggestion.entry + QStringLiteral(" – ") + suggestion.germanName;
}

QString suggestionDescription(const std::vector<Suggestion> &suggestions)
{
    if (suggestions.empty())
        return {};
    QStringList lines;
    for (const Suggestion &suggestion : suggestions)
        lines << suggestionLine(suggestion);
    return QStringLiteral("Keine Treffer. Meinten Sie: %1? Eingabetaste übernimmt den ersten "
                          "Vorschlag.")
        .arg(lines.join(QStringLiteral(", ")));
}

GermanSearch::~GermanSearch()
{
    if (m_collator)
        ucol_close(m_collator);
}

bool GermanSearch::open()
{
    if (!m_opened) {
        m_opened = true;
        UErrorCode status = U_ZERO_ERROR;
        m_collator = ucol_open("de", &status);
        if (U_FAILURE(status)) {
            if (m_collator)
                ucol_close(m_collator);
            m_collator = nullptr;
        } else {
            ucol_setStrength(m_collator, UCOL_PRIMARY);
        }
    }
    return m_collator != nullptr;
}

const QString &GermanSearch::nameOf(const QString &code)
{
    const auto known = m_names.constFind(code);
    if (known != m_names.cend())
        return *known;
    return *m_names.emplace(code, germanName(code));
}

std::vector<Suggestion> GermanSearch::suggest(QStringView query, const QStringList &entries)
{
    std::vector<Suggestion> found;
    if (query.size() < kShortestQuery || query.size() > kLongestQuery || !open())
        return found;
    // A query of nothing but what the comparison ignores (accents, blanks) has no primary weight:
    // its sort key starts with the end of the primary level.
    std::array<uint8_t, 4> key{};
    ucol_getSortKey(m_collator, units(query), int32_t(query.size()), key.data(),
                    int32_t(key.size()));
    if (key[0] <= 1)
        return found;

    static const UChar kNothing[] = {u' '};
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UStringSearch, SearchCloser> search(usearch_openFromCollator(
        units(query), int32_t(query.size()), kNothing, 1, m_collator, nullptr, &status));
    if (U_FAILURE(status) || !search)
        return found;
    for (const QString &entry : entries) {
        const QString code = entryCode(entry).toString();
        const QString &name = code.isEmpty() ? code : nameOf(code);
        if (name.isEmpty())
            continue;
        status = U_ZERO_ERROR;
        usearch_setText(search.get(), units(name), int32_t(name.size()), &status);
        const int32_t at = U_SUCCESS(status) ? usearch_first(search.get(), &status) : USEARCH_DONE;
        if (U_FAILURE(status) || at == USEARCH_DONE)
            continue;
        found.push_back({entry, code, name});
        if (found.size() == kMostSuggestions)
            break;
    }
    return found;
}

} // namespace orbisco::facts
