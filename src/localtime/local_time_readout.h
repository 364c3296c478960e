#pragma once

#include "localtime/country_time.h"
#include "localtime/zone_directory.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

namespace orbisco {
class Form1;
}

namespace orbisco::localtime {

// The local time of the country the details panel shows, kept current. It follows the form's
// shown country, and wakes once a minute, on the minute, to show the next one: one single-shot
// timer aimed at the next minute boundary each time, so midnight and daylight saving switches
// show at once and a changed clock shows at the next minute, with no polling in between.
class LocalTimeReadout : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // clock: the instant now (the system's clock by default); openZone: as for ZoneDirectory.
    explicit LocalTimeReadout(Form1 &form, Clock clock = {}, ZoneDirectory::OpenZone openZone = {},
                              QObject *parent = nullptr);

    // Starts showing times. The first look into the time-zone database costs milliseconds, so the
    // window calls this once it has been painted; until then the text is empty.
    Q_INVOKABLE void start();
    bool isStarted() const { return m_started; }

    const QString &text() const { return m_readout.text; }
    const QString &details() const { return m_readout.details; }

    // What the timer runs: the time now, and the timer aimed at the next minute.
    void refresh();
    // The timer's wait in milliseconds when it was last aimed; -1 before start().
    int aimedWait() const { return m_started ? m_timer.interval() : -1; }

signals:
    void changed();

private:
    void follow(const QString &code, const QString &offset);

    Clock m_clock;
    ZoneDirectory m_directory;
    QTimer m_timer;
    bool m_started = false;
    QString m_code;
    QString m_offset;
    Readout m_readout;
};

} // namespace orbisco::localtime
