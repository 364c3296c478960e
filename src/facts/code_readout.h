#pragma once

#include "app/shown_country.h"
#include "facts/code_check.h"
#include "facts/iso_codes.h"

#include <optional>

namespace orbisco::facts {

// The shown record's codes against ISO 3166, for the "Alpha Code:" read-out. iso-codes' files are
// read at the first instant, after the first paint; the time changes nothing.
class CodeReadout : public Follower<CodeCheck>
{
public:
    // folder: where iso-codes keeps its JSON files.
    explicit CodeReadout(QString folder = IsoCodes::systemFolder(), QObject *parent = nullptr);

    const CodeCheck &check() const { return result(); }

protected:
    bool followsTime() const override { return false; }
    CodeCheck resultFor(const ShownCountry &country, const ShownTime &time) override;

private:
    QString m_folder;
    std::optional<IsoCodes> m_codes;
};

} // namespace orbisco::facts
