#include "facts/languages_readout.h"

namespace orbisco::facts {

LanguagesCheck LanguagesReadout::resultFor(const ShownCountry &country, const ShownTime & /*time*/)
{
    if (country.code.isEmpty())
        return {};
    return checkLanguages(country.code, territoryFacts(country.code));
}

} // namespace orbisco::facts
