#pragma once

#include "app/shown_country.h"
#include "localtime/local_time_text.h"
#include "localtime/shown_clocks.h"

#include <memory>

namespace orbisco::localtime {

// The local time of the shown country at the shown time, with the sun at its zones' places: as
// if the shown instant were now, and as the window shows it, saying by how much it is shifted.
struct LocalTime
{
    Readout readout;
    ShiftedReadout shown;

    bool operator==(const LocalTime &) const = default;
};

class LocalTimeReadout : public Follower<LocalTime>
{
public:
    // clocks: where the shown country's clock is looked up, shared with the offset check.
    explicit LocalTimeReadout(std::shared_ptr<ShownClocks> clocks = std::make_shared<ShownClocks>(),
                              QObject *parent = nullptr);

    const Readout &readout() const { return result().readout; }
    const QString &text() const { return readout().text; }
    const QString &details() const { return readout().details; }
    // The shown country's zones with a place, each with its line.
    const std::vector<Readout::Spot> &spots() const { return readout().spots; }
    const ShiftedReadout &shown() const { return result().shown; }

protected:
    LocalTime resultFor(const ShownCountry &country, const ShownTime &time) override;

private:
    std::shared_ptr<ShownClocks> m_clocks;
};

} // namespace orbisco::localtime
