// Any integers and any shapes of a region's table that ICU can hand back (entries of any key,
// number vectors of any length, shares and statuses of any value): the facts read from them hold
// nothing out of range, and their German lines say nothing out of range either.
#include "fuzz_support.h"

#include "facts/languages_check.h"
#include "facts/territory_info.h"

#include <cstring>

using namespace orbisco;

namespace {

qint64 takeNumber(const uint8_t *&data, size_t &size)
{
    int32_t value = 0;
    const size_t taken = std::min(size, sizeof value);
    std::memcpy(&value, data, taken);
    data += taken;
    size -= taken;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray keys[]
        = {"territoryF", "und", "de", "gsw", "zh_Hant", "", "1x", "en", "fr", "it", "a-b"};
    static const QByteArray statuses[]
        = {"", "official", "de_facto_official", "official_regional", "official_minority", "x"};
    std::vector<facts::TerritoryEntry> entries;
    while (size >= 2 && entries.size() < 64) {
        facts::TerritoryEntry entry;
        entry.key = keys[data[0] % std::size(keys)];
        const int shape = data[1] % 4;
        data += 2;
        size -= 2;
        if (shape == 0) {
            for (size_t n = size > 0 ? data[0] % 5 : 0; n > 0 && size > 0; --n)
                entry.numbers.push_back(takeNumber(data, size));
        } else {
            if (shape != 1)
                entry.populationShareF = takeNumber(data, size);
            if (size > 0) {
                entry.officialStatus = statuses[data[0] % std::size(statuses)];
                ++data;
                --size;
            }
        }
        entries.push_back(std::move(entry));
    }
    const facts::TerritoryFacts facts = facts::territoryFactsFrom(QStringLiteral("XX"), entries);
    FUZZ_CHECK(!facts.population || facts.population->value() >= 0);
    for (size_t i = 0; i < facts.languages.size(); ++i) {
        const facts::SpokenLanguage &language = facts.languages[i];
        FUZZ_CHECK(language.code != "und" && !language.code.isEmpty());
        FUZZ_CHECK(language.share.value() >= 0 && language.share.value() <= 1);
        FUZZ_CHECK(i == 0 || facts.languages[i - 1].share.value() >= language.share.value());
    }
    const auto name = [](const QByteArray &code) { return QString::fromLatin1(code); };
    const QString details = facts::checkLanguages(u"XX", facts, name).details;
    FUZZ_CHECK(details.startsWith(QStringLiteral("Laut Unicode CLDR")));
    FUZZ_CHECK(!details.contains(QStringLiteral("(-")) && !details.contains(u'-'));
    for (const facts::SpokenLanguage &language : facts.languages) {
        const QString share = facts::shareText(language.share);
        FUZZ_CHECK(share == QStringLiteral("unter 1 %") || share.endsWith(QStringLiteral(" %")));
    }
    return 0;
}
