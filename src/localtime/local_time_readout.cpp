#include "localtime/local_time_readout.h"

#include "app/form1.h"

namespace orbisco::localtime {

LocalTimeReadout::LocalTimeReadout(Form1 &form, MinuteClock &clock, ZoneDirectory directory,
                                   QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_directory(std::move(directory))
    , m_code(form.shownCode())
    , m_offset(form.shownOffset())
{
    connect(&clock, &MinuteClock::ticked, this, &LocalTimeReadout::refresh);
    connect(&form, &Form1::countryShown, this, &LocalTimeReadout::follow);
}

void LocalTimeReadout::follow(const QString &code, const QString &offset)
{
    m_code = code;
    m_offset = offset;
    if (m_clock.isStarted())
        refresh(m_clock.instant());
}

void LocalTimeReadout::refresh(const QDateTime &instant)
{
    static const QList<QTimeZone> kNoZones;
    const QList<QTimeZone> &zones = m_code.isEmpty() ? kNoZones : m_directory.zones(m_code);
    Readout readout = readoutAt(m_code, m_offset, zones, instant, m_directory.places());
    if (readout.text == m_readout.text && readout.details == m_readout.details
        && std::ranges::equal(readout.spots, m_readout.spots, {}, &Readout::Spot::line,
                              &Readout::Spot::line))
        return;
    m_readout = std::move(readout);
    emit changed();
}

} // namespace orbisco::localtime
