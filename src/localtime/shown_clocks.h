#pragma once

#include "app/shown_country.h"
#include "localtime/country_clock.h"
#include "localtime/sun_days.h"
#include "localtime/zone_directory.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace orbisco::localtime {

// The shown country's clock at the shown instant, looked up once for all the read-outs that ask
// for it at that instant (the local time and the offset check): the zones from the directory,
// the sun's days kept across instants.
class ShownClocks
{
public:
    // directory: where the zones and their places come from.
    explicit ShownClocks(ZoneDirectory directory = ZoneDirectory());

    const CountryClock &at(const ShownCountry &country, const QDateTime &instant);

private:
    struct Key
    {
        QString code;
        QString offset;
        QDateTime instant;

        bool operator==(const Key &) const = default;
    };
    ZoneDirectory m_directory;
    SunDays m_days;
    std::optional<Key> m_key; // of the last clock
    CountryClock m_clock;
};

} // namespace orbisco::localtime
