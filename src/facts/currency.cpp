#include "facts/currency.h"

#include "data/country_codes.h"

#include <unicode/ucurr.h>
#include <unicode/ures.h>
#include <unicode/utypes.h>

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <memory>
#include <optional>

namespace orbisco::facts {

namespace {

struct BundleCloser
{
    void operator()(UResourceBundle *bundle) const { ures_close(bundle); }
};
using Bundle = std::unique_ptr<UResourceBundle, BundleCloser>;

// The currency history of every region: the table ICU's own currency functions read. It is
// read here through the resource bundle API alone, which checks every step: ICU 72's
// ucurr_forLocaleAndDate and ucurr_countCurrencies dereference a null pointer for some regions
// and dates (und_AQ, und_ZZ, und_VE before its first currency).
const UResourceBundle *currencyMap()
{
    static const Bundle map = [] {
        UErrorCode status = U_ZERO_ERROR;
        Bundle data(ures_openDirect(U_ICUDATA_NAME "-curr", "supplementalData", &status));
        if (U_FAILURE(status))
            return Bundle();
        Bundle regions(ures_getByKey(data.get(), "CurrencyMap", nullptr, &status));
        return U_SUCCESS(status) ? std::move(regions) : Bundle();
    }();
    return map.get();
}

// A date in the history: milliseconds since 1970 in two 32-bit halves.
std::optional<qint64> instantOf(const UResourceBundle *entry, const char *key)
{
    UErrorCode status = U_ZERO_ERROR;
    const Bundle value(ures_getByKey(entry, key, nullptr, &status));
    int32_t length = 0;
    const int32_t *halves
        = U_SUCCESS(status) ? ures_getIntVector(value.get(), &length, &status) : nullptr;
    if (U_FAILURE(status) || !halves || length != 2)
        return std::nullopt;
    return qint64((quint64(quint32(halves[0])) << 32) | quint32(halves[1]));
}

QString stringOf(const UResourceBundle *entry, const char *key)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    const UChar *text = ures_getStringByKey(entry, key, &length, &status);
    if (U_FAILURE(status) || !text || length < 0)
        return {};
    return QString(reinterpret_cast<const QChar *>(text), length);
}

// ICU's name of a currency in a language; empty where it has none (it answers with the bare
// code and a warning then).
QString nameOf(const QString &code, const char *language)
{
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar *name = ucurr_getName(reinterpret_cast<const UChar *>(code.utf16()), language,
                                      UCURR_LONG_NAME, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || !name || length <= 0)
        return {};
    return QString(reinterpret_cast<const QChar *>(name), length);
}

bool isIsoCode(QStringView text)
{
    return isCapitalCode(text, 3);
}

// The ISO codes named in the parentheses of a text: "(USD, $)" names USD. A parenthesis runs to
// the next parenthesis of either kind, or to the end of a text that never closes it: the record
// "Czech koruna (CZK, Kc();" still names CZK.
QStringList codesIn(QStringView text)
{
    QStringList codes;
    qsizetype open = text.indexOf(u'(');
    while (open >= 0) {
        qsizetype end = open + 1;
        while (end < text.size() && text[end] != u'(' && text[end] != u')')
            ++end;
        for (QStringView part : text.sliced(open + 1, end - open - 1).split(u',')) {
            if (isIsoCode(part.trimmed()))
                codes.append(part.trimmed().toString());
        }
        open = text.indexOf(u'(', end);
    }
    return codes;
}

// "Euro (EUR)", "Haitianische Gourde (HTG), US-Dollar (USD)".
QString named(const QList<Currency> &currencies, const QString &lastSeparator)
{
    QStringList names;
    for (const Currency &currency : currencies)
        names.append(QStringLiteral("%1 (%2)").arg(currency.name, currency.code));
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + lastSeparator + last;
}

struct HistoryEntry
{
    Currency currency;
    std::optional<qint64> from; // in use from this instant on
    std::optional<qint64> to;   // and before this one
};

// The legal tenders a region has had, read once per region and kept: ICU's data never change
// while the program runs.
const QList<HistoryEntry> &historyOf(QStringView region)
{
    static QHash<QString, QList<HistoryEntry>> histories;
    const auto known = histories.constFind(region.toString());
    if (known != histories.cend())
        return *known;

    QList<HistoryEntry> history;
    const UResourceBundle *map = currencyMap();
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray key = region.toLatin1();
    const Bundle entries(map ? ures_getByKey(map, key.constData(), nullptr, &status) : nullptr);
    const int32_t count = entries && U_SUCCESS(status) ? ures_getSize(entries.get()) : 0;
    for (int32_t i = 0; i < count; ++i) {
        status = U_ZERO_ERROR;
        const Bundle entry(ures_getByIndex(entries.get(), i, nullptr, &status));
        if (U_FAILURE(status))
            continue;
        HistoryEntry item;
        item.currency.code = stringOf(entry.get(), "id");
        if (!isIsoCode(item.currency.code) || stringOf(entry.get(), "tender") == u"false")
            continue;
        item.from = instantOf(entry.get(), "from");
        item.to = instantOf(entry.get(), "to");
        if (item.from)
            item.currency.since = QDateTime::fromMSecsSinceEpoch(*item.from, Qt::UTC).date();
        item.currency.englishName = nameOf(item.currency.code, "en");
        item.currency.name = nameOf(item.currency.code, "de");
        if (item.currency.name.isEmpty()) {
            item.currency.name = item.currency.englishName.isEmpty() ? item.currency.code
                                                                     : item.currency.englishName;
        }
        history.append(std::move(item));
    }
    return *histories.emplace(region.toString(), std::move(history));
}

} // namespace

QList<Currency> currenciesInUse(QStringView code, QDate date)
{
    const QStringView region = currentCode(code);
    if (!date.isValid() || !isCapitalCode(region, 2))
        return {};
    // The history's dates are instants; a date counts from its noon, UTC.
    const qint64 at = QDateTime(date, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
    QList<Currency> inUse;
    for (const HistoryEntry &entry : historyOf(region)) {
        if ((!entry.from || *entry.from <= at) && (!entry.to || at < *entry.to))
            inUse.append(entry.currency);
    }
    return inUse;
}

Agreement currencyAgreement(QStringView builtIn, const QList<Currency> &inUse)
{
    const QStringView text = builtIn.trimmed();
    if (text.isEmpty() || text == u"-")
        return Agreement::Silent;
    const QStringList codes = codesIn(text);
    const bool agrees = std::ranges::any_of(inUse, [&](const Currency &currency) {
        if (!codes.isEmpty())
            return codes.contains(currency.code);
        return !currency.englishName.isEmpty()
            && text.compare(currency.englishName, Qt::CaseInsensitive) == 0;
    });
    return agrees ? Agreement::Agrees : Agreement::Disagrees;
}

CurrencyCheck checkCurrency(QStringView code, QStringView builtIn, QDate date)
{
    if (code.isEmpty())
        return {};
    const QList<Currency> inUse = currenciesInUse(code, date);
    if (inUse.isEmpty())
        return {QStringLiteral("Für %1 ist keine Währung bekannt.").arg(code), false};

    switch (currencyAgreement(builtIn, inUse)) {
    case Agreement::Agrees:
        return {named(inUse, QStringLiteral(", ")), false};
    case Agreement::Silent:
        return {QStringLiteral("Laut Unicode CLDR: ") + named(inUse, QStringLiteral(", ")), false};
    case Agreement::Disagrees:
        break;
    }
    QDate latest;
    for (const Currency &currency : inUse) {
        if (currency.since.isValid() && (!latest.isValid() || currency.since > latest))
            latest = currency.since;
    }
    const QString verb = inUse.size() == 1 ? QStringLiteral("gilt") : QStringLiteral("gelten");
    const QString when = latest.isValid()
        ? QStringLiteral("Seit %1 %2").arg(latest.toString(u"dd.MM.yyyy"), verb)
        : QStringLiteral("Heute %1").arg(verb);
    return {QStringLiteral("%1 %2. Die eingebaute Angabe weicht davon ab.")
                .arg(when, named(inUse, QStringLiteral(" und "))),
            true};
}

} // namespace orbisco::facts
