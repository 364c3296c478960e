// Any built-in currency text, any code and any date from 1900 to 2100: the check against ICU's
// currency history never falls over, and it calls a record stale exactly when its text names
// none of the currencies in use.
#include "fuzz_support.h"

#include "facts/currency.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // Two letters of a code, mostly capitals; a day within two centuries; the text.
    const QString code = QString(QChar(u'A' + data[0] % 27)) + QChar(u'A' + data[1] % 27);
    const QDate date = QDate(1900, 1, 1).addDays((data[2] << 8 | data[3]) % 73'414);
    const QString text = fuzz::utf16(data + 4, size - 4);

    const QList<facts::Currency> inUse = facts::currenciesInUse(code, date);
    const facts::CurrencyCheck check = facts::checkCurrency(code, text, date);
    FUZZ_CHECK(!check.details.isEmpty());
    FUZZ_CHECK(check.stale
               == (!inUse.isEmpty()
                   && facts::currencyAgreement(text, inUse) == facts::Agreement::Disagrees));
    for (const facts::Currency &currency : inUse) {
        FUZZ_CHECK(currency.code.size() == 3 && !currency.name.isEmpty());
        FUZZ_CHECK(!currency.since.isValid() || currency.since <= date);
    }
    return 0;
}
