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
    m_now = m_clock();
    m_timer.start(msecsToNextMinute(m_now));
    emit ticked(shownTime());
}

QDateTime MinuteClock::shown(const QDateTime &now) const
{
    return m_shift == 0 ? now : now.addSecs(qint64(m_shift) * 3600);
}

bool MinuteClock::shiftBy(int hours)
{
    const qint64 shifted = qint64(m_shift) + hours;
    if (hours == 0 || shifted > kLongestShift || shifted < -kLongestShift)
        return false;
    m_shift = int(shifted);
    if (m_started)
        emit ticked(shownTime());
    return true;
}

bool MinuteClock::unshift()
{
    if (m_shift == 0)
        return false;
    m_shift = 0;
    if (m_started)
        emit ticked(shownTime());
    return true;
}

} // namespace orbisco::localtime
