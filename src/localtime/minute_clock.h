#pragma once

#include "app/shown_country.h"

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
//
// What it shows can be moved by whole hours, up to a year either way: the shown instant is the
// real one plus the shift, and it goes on turning with every minute. Whatever follows the clock
// follows the shown instant.
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

    static constexpr int kLongestShift = 366 * 24; // hours either way

    // The shown instant of the last tick (the real one plus the shift); the clock's now before
    // the first.
    QDateTime instant() const { return shown(m_started ? m_now : m_clock()); }
    // How many hours the shown instant lies after the real one (before it, negative).
    int shift() const { return m_shift; }
    // Both together, as a tick hands them over.
    ShownTime shownTime() const { return {instant(), m_shift}; }
    // Moves the shown instant by whole hours and tells of it at once, as a tick does; a step
    // beyond a year either way does nothing. True if it moved.
    bool shiftBy(int hours);
    // Back to the real instant; true if it was shifted.
    bool unshift();

    // What the timer runs: a tick at the time now, and the timer aimed at the next minute.
    void tick();
    // The timer's wait in milliseconds when it was last aimed; -1 before start().
    int aimedWait() const { return m_started ? m_timer.interval() : -1; }

signals:
    // The shown time, at every tick and every change of the shift.
    void ticked(const orbisco::ShownTime &time);

private:
    Clock m_clock;
    QTimer m_timer;
    QDateTime shown(const QDateTime &now) const;

    bool m_started = false;
    QDateTime m_now; // the real instant of the last tick
    int m_shift = 0; // hours
};

} // namespace orbisco::localtime
