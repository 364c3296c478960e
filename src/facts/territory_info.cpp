#include "facts/territory_info.h"

#include "data/country_codes.h"

#include <unicode/ures.h>
#include <unicode/utypes.h>

#include <QHash>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <memory>

namespace orbisco::facts {

namespace {

constexpr qint64 kMantissas = 1'000'000;
constexpr int kExponentBias = 55;
constexpr int kLongestKey = 16;

struct BundleCloser
{
    void operator()(UResourceBundle *bundle) const { ures_close(bundle); }
};
using Bundle = std::unique_ptr<UResourceBundle, BundleCloser>;

qint64 powerOfTen(int power)
{
    qint64 value = 1;
    for (int i = 0; i < power; ++i)
        value *= 10;
    return value;
}

// Every region's table: read here through the resource bundle API alone, which checks each step.
const UResourceBundle *territoryInfo()
{
    static const Bundle info = [] {
        UErrorCode status = U_ZERO_ERROR;
        Bundle data(ures_openDirect(nullptr, "supplementalData", &status));
        if (U_FAILURE(status))
            return Bundle();
        Bundle regions(ures_getByKey(data.get(), "territoryInfo", nullptr, &status));
        return U_SUCCESS(status) ? std::move(regions) : Bundle();
    }();
    return info.get();
}

TerritoryEntry entryOf(const UResourceBundle *bundle)
{
    TerritoryEntry entry;
    if (const char *key = ures_getKey(bundle))
        entry.key = QByteArray(key).left(kLongestKey + 1);
    UErrorCode status = U_ZERO_ERROR;
    switch (ures_getType(bundle)) {
    case URES_INT_VECTOR: {
        int32_t length = 0;
        const int32_t *numbers = ures_getIntVector(bundle, &length, &status);
        if (U_SUCCESS(status) && numbers && length > 0)
            entry.numbers.assign(numbers, numbers + length);
        break;
    }
    case URES_TABLE: {
        const Bundle share(ures_getByKey(bundle, "populationShareF", nullptr, &status));
        if (U_SUCCESS(status) && ures_getType(share.get()) == URES_INT) {
            const int32_t value = ures_getInt(share.get(), &status);
            if (U_SUCCESS(status))
                entry.populationShareF = value;
        }
        status = U_ZERO_ERROR;
        int32_t length = 0;
        const UChar *text = ures_getStringByKey(bundle, "officialStatus", &length, &status);
        if (U_SUCCESS(status) && text && length > 0 && length <= 2 * kLongestKey)
            entry.officialStatus
                = QString(reinterpret_cast<const QChar *>(text), length).toLatin1();
        break;
    }
    default:
        break;
    }
    return entry;
}

LanguageStatus statusOf(const QByteArray &text)
{
    if (text == "official")
        return LanguageStatus::Official;
    if (text == "de_facto_official")
        return LanguageStatus::DeFactoOfficial;
    if (text == "official_regional")
        return LanguageStatus::OfficialRegional;
    if (text == "official_minority")
        return LanguageStatus::OfficialMinority;
    return LanguageStatus::None;
}

// A language's code as CLDR writes them: letters, and an underscore before a script or region.
bool isLanguageCode(const QByteArray &key)
{
    return !key.isEmpty() && key.size() <= kLongestKey && std::isalpha(uchar(key[0]))
        && std::ranges::all_of(key, [](char c) { return std::isalnum(uchar(c)) || c == '_'; });
}

} // namespace

CldrNumber CldrNumber::decoded(qint64 encoded)
{
    if (encoded == 0)
        return {};
    // Past any 32-bit value ICU can hand back; such a number is no CLDR value, and stays huge.
    const qint64 magnitude
        = encoded < 0 ? -std::max(encoded, -(qint64(1) << 40)) : std::min(encoded, qint64(1) << 40);
    const qint64 mantissa = magnitude % kMantissas;
    return {encoded < 0 ? -mantissa : mantissa, int(magnitude / kMantissas) - kExponentBias};
}

double CldrNumber::value() const
{
    return double(mantissa) * std::pow(10.0, exponent);
}

qint64 CldrNumber::inUnitsOf(int power) const
{
    if (mantissa == 0)
        return 0;
    const qint64 magnitude = std::abs(mantissa);
    const int shift = exponent - power;
    qint64 units = 0;
    if (shift >= 0) {
        // Saturated: nothing shown is that large.
        constexpr qint64 kLargest = std::numeric_limits<qint64>::max() / 10;
        units = magnitude;
        for (int i = 0; i < shift && units < kLargest; ++i)
            units *= 10;
    } else if (-shift <= 18) {
        const qint64 divisor = powerOfTen(-shift);
        units = (magnitude + divisor / 2) / divisor;
    }
    return mantissa < 0 ? -units : units;
}

TerritoryFacts territoryFactsFrom(const QString &region, const std::vector<TerritoryEntry> &entries)
{
    TerritoryFacts facts;
    facts.region = region;
    for (const TerritoryEntry &entry : entries) {
        if (entry.key == "territoryF") {
            if (entry.numbers.size() >= 3) {
                const CldrNumber population = CldrNumber::decoded(entry.numbers[2]);
                if (population.mantissa >= 0)
                    facts.population = population;
            }
            continue;
        }
        if (entry.key == "und" || !isLanguageCode(entry.key) || !entry.populationShareF)
            continue;
        const CldrNumber share = CldrNumber::decoded(*entry.populationShareF);
        if (!(share.value() >= 0 && share.value() <= 1))
            continue;
        facts.languages.push_back({entry.key, share, statusOf(entry.officialStatus)});
    }
    std::ranges::sort(facts.languages, [](const SpokenLanguage &a, const SpokenLanguage &b) {
        const double left = a.share.value();
        const double right = b.share.value();
        return left != right ? left > right : a.code < b.code;
    });
    return facts;
}

std::optional<TerritoryFacts> territoryFacts(QStringView recordCode)
{
    const QStringView region = currentCode(recordCode);
    if (!isCapitalCode(region, 2))
        return std::nullopt;
    // Read once per region and kept: ICU's data never change while the program runs.
    static QHash<QString, std::optional<TerritoryFacts>> known;
    const auto found = known.constFind(region.toString());
    if (found != known.cend())
        return *found;

    std::optional<TerritoryFacts> facts;
    UErrorCode status = U_ZERO_ERROR;
    const UResourceBundle *info = territoryInfo();
    const Bundle table(info ? ures_getByKey(info, region.toLatin1().constData(), nullptr, &status)
                            : nullptr);
    if (table && U_SUCCESS(status) && ures_getType(table.get()) == URES_TABLE) {
        std::vector<TerritoryEntry> entries;
        const int32_t count = ures_getSize(table.get());
        for (int32_t i = 0; i < count; ++i) {
            status = U_ZERO_ERROR;
            const Bundle entry(ures_getByIndex(table.get(), i, nullptr, &status));
            if (U_SUCCESS(status) && entry)
                entries.push_back(entryOf(entry.get()));
        }
        facts = territoryFactsFrom(region.toString(), entries);
    }
    return *known.emplace(region.toString(), std::move(facts));
}

} // namespace orbisco::facts
