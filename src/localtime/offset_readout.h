#pragma once

#include "app/shown_country.h"
#include "localtime/local_time_text.h"
#include "localtime/shown_clocks.h"

#include <memory>

namespace orbisco::localtime {

// The check of the shown record's UTC offset against the offsets its zones use in the shown
// instant's year, for the "Zeitzone:" read-out.
class OffsetReadout : public Follower<OffsetCheck>
{
public:
    // clocks: where the shown country's clock is looked up, shared with the local time.
    explicit OffsetReadout(std::shared_ptr<ShownClocks> clocks = std::make_shared<ShownClocks>(),
                           QObject *parent = nullptr);

    const OffsetCheck &check() const { return result(); }

protected:
    OffsetCheck resultFor(const ShownCountry &country, const ShownTime &time) override;

private:
    std::shared_ptr<ShownClocks> m_clocks;
};

} // namespace orbisco::localtime
