#pragma once

#include "localtime/country_time.h"
#include "localtime/minute_clock.h"
#include "localtime/zone_directory.h"

#include <QDateTime>
#include <QObject>

namespace orbisco {
class Form1;
}

namespace orbisco::localtime {

// The local time of the country the details panel shows, kept current: it follows the form's
// shown country and the window's minute clock. Until the clock has started it looks nothing up.
class LocalTimeReadout : public QObject
{
    Q_OBJECT

public:
    // directory: where the zones and their places come from.
    LocalTimeReadout(Form1 &form, MinuteClock &clock, ZoneDirectory directory = ZoneDirectory(),
                     QObject *parent = nullptr);

    bool isStarted() const { return m_clock.isStarted(); }

    const QString &text() const { return m_readout.text; }
    const QString &details() const { return m_readout.details; }
    // What the "Zeitzone:" read-out adds when its built-in offset is not the database's.
    const QString &offsetNote() const { return m_readout.offsetNote; }
    // The shown country's zones with a place, each with its line.
    const std::vector<Readout::Spot> &spots() const { return m_readout.spots; }

    // The readout at `instant`, for the shown country.
    void refresh(const QDateTime &instant);

signals:
    void changed();

private:
    void follow(const QString &code, const QString &offset);

    MinuteClock &m_clock;
    ZoneDirectory m_directory;
    QString m_code;
    QString m_offset;
    Readout m_readout;
};

} // namespace orbisco::localtime
