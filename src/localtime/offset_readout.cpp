#include "localtime/offset_readout.h"

namespace orbisco::localtime {

OffsetReadout::OffsetReadout(std::shared_ptr<ShownClocks> clocks, QObject *parent)
    : Follower(parent)
    , m_clocks(std::move(clocks))
{}

OffsetCheck OffsetReadout::resultFor(const ShownCountry &country, const ShownTime &time)
{
    return offsetCheck(m_clocks->at(country, time.instant));
}

} // namespace orbisco::localtime
