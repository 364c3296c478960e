#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

struct UCollator;
struct UStringSearch;

namespace orbisco::facts {

// An index entry found by its country's German name.
struct Suggestion
{
    QString entry;      // "Germany DE"
    QString code;       // "DE"
    QString germanName; // "Deutschland"

    bool operator==(const Suggestion &) const = default;
};

// How a suggestion stands in the list: "Germany DE – Deutschland".
QString suggestionLine(const Suggestion &suggestion);
// What a screen reader hears while suggestions show: "Keine Treffer. Meinten Sie: Germany DE –
// Deutschland? Eingabetaste übernimmt den ersten Vorschlag." (several joined by ", "); empty for
// none.
QString suggestionDescription(const std::vector<Suggestion> &suggestions);

// The index entries whose country's German name (germanName, region_names.h) holds a query, as
// ICU's German collator compares at primary strength: case and accents ignored, so that
// "osterreich" finds Österreich. ICU's collator and the names are opened when first asked for.
class GermanSearch
{
public:
    static constexpr qsizetype kShortestQuery = 3;
    static constexpr size_t kMostSuggestions = 5;
    // Far longer than any country's name: a longer query is no name, and is not searched for.
    static constexpr qsizetype kLongestQuery = 256;

    GermanSearch() = default;
    ~GermanSearch();
    GermanSearch(const GermanSearch &) = delete;
    GermanSearch &operator=(const GermanSearch &) = delete;

    // At most five, in the order of the entries (each ending in its two-letter code). None for
    // a query shorter than three characters or longer than kLongestQuery, for one with nothing
    // to compare (only accents or blanks), and whenever ICU fails.
    std::vector<Suggestion> suggest(QStringView query, const QStringList &entries);

private:
    bool open();
    const QString &nameOf(const QString &code);

    UCollator *m_collator = nullptr;
    bool m_opened = false;
    QHash<QString, QString> m_names; // by code, empty where ICU has none
};

} // namespace orbisco::facts
