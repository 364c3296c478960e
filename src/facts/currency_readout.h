#pragma once

#include "app/shown_country.h"
#include "facts/currency.h"

namespace orbisco::facts {

// The check of the shown record's currency against the currencies in use on the shown instant's
// date. ICU's data are opened at the first instant, after the first paint.
class CurrencyReadout : public Follower<CurrencyCheck>
{
public:
    using Follower::Follower;

    const CurrencyCheck &check() const { return result(); }

protected:
    CurrencyCheck resultFor(const ShownCountry &country, const ShownTime &time) override;
};

} // namespace orbisco::facts
