#include "localtime/local_time_readout.h"

#include <algorithm>

namespace orbisco::localtime {

LocalTimeReadout::LocalTimeReadout(ZoneDirectory directory, QObject *parent)
    : ShownCountryFollower(parent)
    , m_directory(std::move(directory))
{}

void LocalTimeReadout::refresh()
{
    static const QList<QTimeZone> kNoZones;
    const QString &code = country().code;
    const QList<QTimeZone> &zones = code.isEmpty() ? kNoZones : m_directory.zones(code);
    Readout readout
        = readoutAt(code, country().offset, zones, instant(), m_directory.places(), &m_sunDays);
    if (readout.text == m_readout.text && readout.details == m_readout.details
        && std::ranges::equal(readout.spots, m_readout.spots, {}, &Readout::Spot::line,
                              &Readout::Spot::line))
        return;
    m_readout = std::move(readout);
    emit changed();
}

} // namespace orbisco::localtime
