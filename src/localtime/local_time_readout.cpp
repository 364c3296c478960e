#include "localtime/local_time_readout.h"

namespace orbisco::localtime {

LocalTimeReadout::LocalTimeReadout(std::shared_ptr<ShownClocks> clocks, QObject *parent)
    : Follower(parent)
    , m_clocks(std::move(clocks))
{}

LocalTime LocalTimeReadout::resultFor(const ShownCountry &country, const ShownTime &time)
{
    Readout readout = readoutText(m_clocks->at(country, time.instant));
    ShiftedReadout shown = shiftedReadout(readout, time.instant, time.shift);
    return {std::move(readout), std::move(shown)};
}

} // namespace orbisco::localtime
