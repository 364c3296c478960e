#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

namespace orbisco {

// The record the details panel shows, as the record holds it, whatever a person has typed into
// the boxes since; all empty while the panel shows "?".
struct ShownCountry
{
    QString code;     // "DE"
    QString offset;   // the built-in UTC offset: "+01:00"
    QString currency; // the built-in currency: "Euro (EUR)"

    bool operator==(const ShownCountry &) const = default;
};

// What the window shows beside the built-in values follows two things it is handed: the country
// the details panel shows, and the instant of the window's clock. Each such read-out says what
// it has to say of them in refresh(), and tells of a change by changed(). Until it has been
// handed an instant it looks nothing up, so that nothing of it runs before the window's clock
// starts, after the first paint.
class ShownCountryFollower : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isStarted() const { return m_instant.has_value(); }
    const ShownCountry &country() const { return m_country; }
    // The last instant handed over; invalid before the first.
    QDateTime instant() const { return m_instant.value_or(QDateTime()); }

    void showCountry(const ShownCountry &country)
    {
        m_country = country;
        if (m_instant)
            refresh();
    }
    void showInstant(const QDateTime &instant)
    {
        m_instant = instant;
        refresh();
    }

signals:
    void changed();

protected:
    virtual void refresh() = 0;

private:
    ShownCountry m_country;
    std::optional<QDateTime> m_instant;
};

} // namespace orbisco
