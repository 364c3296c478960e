#pragma once

#include "app/shown_country.h"
#include "facts/currency.h"

namespace orbisco::facts {

// The check of the shown record's currency against the currencies in use on the shown instant's
// date. ICU's data are opened at the first instant, after the first paint.
class CurrencyReadout : public ShownCountryFollower
{
    Q_OBJECT

public:
    using ShownCountryFollower::ShownCountryFollower;

    const CurrencyCheck &check() const { return m_check; }

protected:
    void refresh() override;

private:
    CurrencyCheck m_check;
};

} // namespace orbisco::facts
