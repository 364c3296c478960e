#include "localtime/shown_clocks.h"

namespace orbisco::localtime {

ShownClocks::ShownClocks(ZoneDirectory directory)
    : m_directory(std::move(directory))
{}

const CountryClock &ShownClocks::at(const ShownCountry &country, const QDateTime &instant)
{
    Key key{country.code, country.offset, instant};
    if (m_key == key)
        return m_clock;
    static const QList<QTimeZone> kNoZones;
    const QList<QTimeZone> &zones
        = country.code.isEmpty() ? kNoZones : m_directory.zones(country.code);
    m_clock = countryClockAt(country.code, country.offset, zones, instant, m_directory.places(),
                             m_days);
    m_key = std::move(key);
    return m_clock;
}

} // namespace orbisco::localtime
