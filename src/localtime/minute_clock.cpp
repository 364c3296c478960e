#include "localtime/minute_clock.h"

namespace orbisco::localtime {

namespace {
constexpr qint64 kMsecsPerMinute = 60'000;
} // namespace

int msecsToNextMinute(const QDateTime &now)
{
    if (!now.isValid())
        return int(kMsecsPerMinute);
    const qint64 intoMinute
        = ((now.toMSecsSinceEpoch() % kMsecsPerMinute) + kMsecsPerMinute) % kMsecsPerMinute;
    return int(kMsecsPerMinute - intoMinute);
}

MinuteClock::MinuteClock(Clock clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = &QDateTime::currentDateTimeUtc;
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // never early: a minute shows when it has begun
    connect(&m_timer, &QTimer::timeout, this, &MinuteClock::tick);
}

void MinuteClock::start()
{
    if (m_started)
        return;
    m_started = true;
    tick();
}

void MinuteClock::tick()
{
    m_instant = m_clock();
    m_timer.start(msecsToNextMinute(m_instant));
    emit ticked(m_instant);
}

} // namespace orbisco::localtime
