#pragma once

#include "app/shown_country.h"
#include "facts/languages_check.h"

namespace orbisco::facts {

// The Unicode CLDR's languages and people of the shown record's country, for the "Sprachen:"
// read-out. ICU's data are opened at the first instant, after the first paint; the time changes
// nothing.
class LanguagesReadout : public Follower<LanguagesCheck>
{
public:
    using Follower::Follower;

    const LanguagesCheck &check() const { return result(); }

protected:
    bool followsTime() const override { return false; }
    LanguagesCheck resultFor(const ShownCountry &country, const ShownTime &time) override;
};

} // namespace orbisco::facts
