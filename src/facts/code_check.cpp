#include "facts/code_check.h"

namespace orbisco::facts {

namespace {

// "Federal Republic of Germany": the official name where there is one.
QString nameOf(const IsoCodes::Country &country)
{
    return country.officialName.isEmpty() ? country.name : country.officialName;
}

} // namespace

CodeCheck checkCode(QStringView alpha2, QStringView alpha3, const IsoCodes &codes)
{
    if (alpha2.isEmpty() || codes.isEmpty())
        return {};
    if (const IsoCodes::Country *country = codes.byAlpha2(alpha2)) {
        QString details
            = QStringLiteral("ISO 3166-1: %1, %2, Nummer %3 (%4)")
                  .arg(country->alpha2, country->alpha3, country->numeric, nameOf(*country));
        const bool differs = alpha3 != country->alpha3;
        if (differs)
            details += QStringLiteral(". Die eingebaute Angabe weicht davon ab.");
        return {details, differs, country->alpha2};
    }
    if (const IsoCodes::Withdrawn *code = codes.withdrawn(alpha2)) {
        return {QStringLiteral("%1 steht seit %2 nicht mehr in ISO 3166-1 (%3; %4, Nummer %5).")
                    .arg(alpha2, code->withdrawn.toString(u"dd.MM.yyyy"), code->name, code->alpha3,
                         code->numeric),
                true,
                {}};
    }
    if (const IsoCodes::Country *country = codes.byAlpha3(alpha3)) {
        return {QStringLiteral("%1 ist kein Code der ISO 3166-1; dort steht %2 für %3 (%4).")
                    .arg(alpha2, country->alpha3, country->alpha2, nameOf(*country)),
                true, country->alpha2};
    }
    return {QStringLiteral("%1 ist kein Code der ISO 3166-1.").arg(alpha2), true, {}};
}

} // namespace orbisco::facts
