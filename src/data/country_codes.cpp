#include "data/country_codes.h"

#include <algorithm>
#include <utility>

namespace orbisco {

QStringView currentCode(QStringView code)
{
    // Codes withdrawn from ISO 3166-1 that the built-in records still use.
    static constexpr std::pair<QStringView, QStringView> kSuccessors[] = {
        {u"UK", u"GB"},
        {u"TP", u"TL"},
        {u"ZR", u"CD"},
        {u"AN", u"CW"},
    };
    for (const auto &[withdrawn, successor] : kSuccessors) {
        if (code == withdrawn)
            return successor;
    }
    return code;
}

bool isCapitalCode(QStringView text, qsizetype length)
{
    return text.size() == length
        && std::ranges::all_of(text, [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

} // namespace orbisco
