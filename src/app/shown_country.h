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
    QString code;      // "DE"
    QString offset;    // the built-in UTC offset: "+01:00"
    QString currency;  // the built-in currency: "Euro (EUR)"
    QString languages; // the built-in languages: "German"
    QString alpha3;    // the built-in three-letter code: "DEU"

    bool operator==(const ShownCountry &) const = default;
};

// The time the window shows: the instant of its clock, and by how many hours that lies after
// now (before it, negative); both change together.
struct ShownTime
{
    QDateTime instant;
    int shift = 0;

    bool operator==(const ShownTime &) const = default;
};

// What the window shows beside the built-in values follows two things it is handed: the country
// the details panel shows, and the time of the window's clock. Until it has been handed a time it
// looks nothing up, so that nothing of it runs before the window's clock starts, after the first
// paint. A follower's answer is a value of its own (Follower below); it tells of a change by
// changed().
class ShownCountryFollower : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isStarted() const { return m_time.has_value(); }
    const ShownCountry &country() const { return m_country; }
    // The last time handed over; an invalid instant before the first.
    const ShownTime &time() const { return m_time ? *m_time : kNoTime; }
    QDateTime instant() const { return time().instant; }

    void showCountry(const ShownCountry &country)
    {
        if (m_time && country == m_country)
            return; // the same answer
        m_country = country;
        if (m_time)
            refresh();
    }
    void showTime(const ShownTime &time)
    {
        const bool first = !m_time;
        m_time = time;
        if (first || followsTime())
            refresh();
    }

signals:
    void changed();

protected:
    // Whether the answer can change with the time alone; one that cannot is asked again only for
    // another country.
    virtual bool followsTime() const { return true; }
    virtual void refresh() = 0;

private:
    static inline const ShownTime kNoTime{};
    ShownCountry m_country;
    std::optional<ShownTime> m_time;
};

// A follower whose answer is a Result: asked for it anew at each change of the country and the
// time, it tells of a change only where the answer differs from the last one.
template <typename Result>
class Follower : public ShownCountryFollower
{
public:
    using ShownCountryFollower::ShownCountryFollower;

    const Result &result() const { return m_result; }

protected:
    virtual Result resultFor(const ShownCountry &country, const ShownTime &time) = 0;

private:
    void refresh() final
    {
        Result next = resultFor(country(), time());
        if (next == m_result)
            return;
        m_result = std::move(next);
        emit changed();
    }

    Result m_result{};
};

} // namespace orbisco
