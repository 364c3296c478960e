#include "data/country_codes.h"

#include <algorithm>
#include <utility>

namespace orbisco {

namespace {

// Codes withdrawn from ISO 3166-1 that the built-in records still use, with what stands for them
// today, the successor first.
constexpr QStringView kAntilles[] = {u"CW", u"SX", u"BQ"};
constexpr QStringView kBritain[] = {u"GB"};
constexpr QStringView kTimor[] = {u"TL"};
constexpr QStringView kCongo[] = {u"CD"};
constexpr std::pair<QStringView, std::span<const QStringView>> kSuccessors[] = {
    {u"UK", kBritain},
    {u"TP", kTimor},
    {u"ZR", kCongo},
    {u"AN", kAntilles},
};

} // namespace

QStringView entryCode(QStringView entry)
{
    return entry.size() >= 2 ? entry.last(2) : QStringView();
}

std::span<const QStringView> currentCodes(const QStringView &code)
{
    for (const auto &[withdrawn, successors] : kSuccessors) {
        if (code == withdrawn)
            return successors;
    }
    return {&code, 1};
}

QStringView currentCode(QStringView code)
{
    return currentCodes(code).front();
}

bool isCapitalCode(QStringView text, qsizetype length)
{
    return text.size() == length
        && std::ranges::all_of(text, [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

} // namespace orbisco
