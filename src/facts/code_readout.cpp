#include "facts/code_readout.h"

namespace orbisco::facts {

CodeReadout::CodeReadout(QString folder, QObject *parent)
    : Follower(parent)
    , m_folder(std::move(folder))
{}

CodeCheck CodeReadout::resultFor(const ShownCountry &country, const ShownTime & /*time*/)
{
    if (country.code.isEmpty())
        return {};
    if (!m_codes)
        m_codes = IsoCodes::fromFolder(m_folder);
    return checkCode(country.code, country.alpha3, *m_codes);
}

} // namespace orbisco::facts
