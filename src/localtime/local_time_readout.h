#pragma once

#include "app/shown_country.h"
#include "localtime/country_time.h"
#include "localtime/local_time_text.h"
#include "localtime/zone_directory.h"

namespace orbisco::localtime {

// The local time of the shown country at the shown instant, with the sun at its zones' places.
class LocalTimeReadout : public ShownCountryFollower
{
    Q_OBJECT

public:
    // directory: where the zones and their places come from.
    explicit LocalTimeReadout(ZoneDirectory directory = ZoneDirectory(), QObject *parent = nullptr);

    const Readout &readout() const { return m_readout; }
    const QString &text() const { return m_readout.text; }
    const QString &details() const { return m_readout.details; }
    // What the "Zeitzone:" read-out adds when its built-in offset is not the database's.
    const QString &offsetNote() const { return m_readout.offsetNote; }
    // The shown country's zones with a place, each with its line.
    const std::vector<Readout::Spot> &spots() const { return m_readout.spots; }

protected:
    void refresh() override;

private:
    ZoneDirectory m_directory;
    SunDays m_sunDays;
    Readout m_readout;
};

} // namespace orbisco::localtime
