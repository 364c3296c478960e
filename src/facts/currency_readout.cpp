#include "facts/currency_readout.h"

namespace orbisco::facts {

void CurrencyReadout::refresh()
{
    CurrencyCheck check
        = checkCurrency(country().code, country().currency, instant().toUTC().date());
    if (check == m_check)
        return;
    m_check = std::move(check);
    emit changed();
}

} // namespace orbisco::facts
