#pragma once

#include "facts/iso_codes.h"

#include <QString>
#include <QStringView>

namespace orbisco::facts {

// What the "Alpha Code:" read-out adds to the record's codes, from ISO 3166 as iso-codes has it.
struct CodeCheck
{
    // "ISO 3166-1: DE, DEU, Nummer 276 (Federal Republic of Germany)", or how the record's codes
    // stand to it; empty while no record is shown, or where iso-codes could not be read.
    QString details;
    bool stale = false; // the record's codes are not ISO 3166-1's
    // The ISO 3166-1 code whose flag belongs to the record, empty for none (a withdrawn code: a
    // successor's flag is not the flag the country had).
    QString flag;

    bool operator==(const CodeCheck &) const = default;
};

// alpha2, alpha3: the shown record's codes ("" while the panel shows "?").
CodeCheck checkCode(QStringView alpha2, QStringView alpha3, const IsoCodes &codes);

} // namespace orbisco::facts
