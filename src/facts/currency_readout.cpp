#include "facts/currency_readout.h"

namespace orbisco::facts {

CurrencyCheck CurrencyReadout::resultFor(const ShownCountry &country, const ShownTime &time)
{
    return checkCurrency(country.code, country.currency, time.instant.toUTC().date());
}

} // namespace orbisco::facts
