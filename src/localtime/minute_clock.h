#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

namespace orbisco::localtime {

// Milliseconds from `now` to the start of the next minute, 1 to 60,000: a minute's display is
// due again then, and midnight and daylight saving switches fall on whole minutes.
int msecsToNextMinute(const QDateTime &now);

// The window's one clock for what it shows of the time: it wakes once a minute, on the minute.
// One single-shot timer is aimed at the next minute boundary each time it fires, so midnight and
// daylight saving switches show at once and a changed clock shows at the next minute, with no
// polling in between.
class MinuteClock : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // clock: the instant now; the system's clock by default.
    explicit MinuteClock(Clock clock = {}, QObject *parent = nullptr);

    // Starts ticking: a tick now, then one at every minute. What ticks costs milliseconds at
    // first, so the window starts its clock once it has been painted.
    Q_INVOKABLE void start();
    bool isStarted() const { return m_started; }

    // The instant of the last tick; the clock's now before the first.
    QDateTime instant() const { return m_started ? m_instant : m_clock(); }

    // What the timer runs: a tick at the time now, and the timer aimed at the next minute.
    void tick();
    // The timer's wait in milliseconds when it was last aimed; -1 before start().
    int aimedWait() const { return m_started ? m_timer.interval() : -1; }

signals:
    void ticked(const QDateTime &instant);

private:
    Clock m_clock;
    QTimer m_timer;
    bool m_started = false;
    QDateTime m_instant;
};

} // namespace orbisco::localtime
