#pragma once

#include "facts/currency.h"
#include "localtime/minute_clock.h"

#include <QObject>

namespace orbisco {
class Form1;
}

namespace orbisco::facts {

// The check of the shown record's currency against the currencies in use today, kept current: it
// follows the form's shown country and the date of the window's minute clock. Until the clock
// has started it looks nothing up, so ICU's data are opened after the first paint.
class CurrencyReadout : public QObject
{
    Q_OBJECT

public:
    CurrencyReadout(Form1 &form, localtime::MinuteClock &clock, QObject *parent = nullptr);

    const CurrencyCheck &check() const { return m_check; }

signals:
    void changed();

private:
    void refresh(const QDateTime &instant);

    Form1 &m_form;
    localtime::MinuteClock &m_clock;
    CurrencyCheck m_check;
};

} // namespace orbisco::facts
