#include "localtime/local_time_readout.h"

#include "app/form1.h"

namespace orbisco::localtime {

LocalTimeReadout::LocalTimeReadout(Form1 &form, Clock clock, ZoneDirectory::OpenZone openZone,
                                   QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_directory(std::move(openZone))
    , m_code(form.shownCode())
    , m_offset(form.shownOffset())
{
    if (!m_clock)
        m_clock = &QDateTime::currentDateTimeUtc;
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // never early: a minute shows when it has begun
    connect(&m_timer, &QTimer::timeout, this, &LocalTimeReadout::refresh);
    connect(&form, &Form1::countryShown, this, &LocalTimeReadout::follow);
}

void LocalTimeReadout::start()
{
    if (m_started)
        return;
    m_started = true;
    refresh();
}

void LocalTimeReadout::follow(const QString &code, const QString &offset)
{
    m_code = code;
    m_offset = offset;
    if (m_started)
        refresh();
}

void LocalTimeReadout::refresh()
{
    const QDateTime now = m_clock();
    static const QList<QTimeZone> kNoZones;
    const QList<QTimeZone> &zones = m_code.isEmpty() ? kNoZones : m_directory.zones(m_code);
    Readout readout = readoutAt(m_code, m_offset, zones, now);
    m_timer.start(msecsToNextMinute(now));
    if (readout.text == m_readout.text && readout.details == m_readout.details)
        return;
    m_readout = std::move(readout);
    emit changed();
}

} // namespace orbisco::localtime
