#include "facts/region_names.h"

#include "data/country_codes.h"

#include <unicode/uloc.h>
#include <unicode/utypes.h>

#include <array>

namespace orbisco::facts {

QString germanName(QStringView code)
{
    const QStringView region = currentCode(code);
    if (!isCapitalCode(region, 2))
        return {};
    const QByteArray locale = "und_" + region.toLatin1();
    std::array<UChar, 128> name{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayCountry(locale.constData(), "de", name.data(),
                                                  int32_t(name.size()), &status);
    // A region ICU does not know comes back as its code, with a warning.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || length <= 0
        || length > int32_t(name.size()))
        return {};
    return QString(reinterpret_cast<const QChar *>(name.data()), length);
}

} // namespace orbisco::facts
