#include "facts/currency_readout.h"

#include "app/form1.h"

namespace orbisco::facts {

CurrencyReadout::CurrencyReadout(Form1 &form, localtime::MinuteClock &clock, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_clock(clock)
{
    connect(&clock, &localtime::MinuteClock::ticked, this, &CurrencyReadout::refresh);
    connect(&form, &Form1::countryShown, this, [this] {
        if (m_clock.isStarted())
            refresh(m_clock.instant());
    });
}

void CurrencyReadout::refresh(const QDateTime &instant)
{
    CurrencyCheck check
        = checkCurrency(m_form.shownCode(), m_form.shownCurrency(), instant.toUTC().date());
    if (check == m_check)
        return;
    m_check = std::move(check);
    emit changed();
}

} // namespace orbisco::facts
