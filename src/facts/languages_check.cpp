#include "facts/languages_check.h"

#include <unicode/uloc.h>
#include <unicode/utypes.h>

#include <QStringList>

#include <array>
#include <vector>

namespace orbisco::facts {

namespace {

constexpr size_t kMostNamed = 5;

// A whole number, grouped by points.
QString grouped(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u'.');
    return value < 0 ? u'-' + digits : digits;
}

// value units of 10^-decimals, written with a decimal comma: 802 with one decimal is "80,2".
QString withDecimals(qint64 units, int decimals)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return QStringLiteral("%1,%2")
        .arg(grouped(units / scale))
        .arg(units % scale, decimals, 10, QLatin1Char('0'));
}

// "Deutsch (73 %)", "Schweizerdeutsch (65 %, de facto)"; at most five, then "und 15 weitere".
QString named(const std::vector<const SpokenLanguage *> &languages,
              const std::function<QString(const QByteArray &)> &names)
{
    QStringList parts;
    for (size_t i = 0; i < languages.size() && i < kMostNamed; ++i) {
        const SpokenLanguage &language = *languages[i];
        const QString deFacto = language.status == LanguageStatus::DeFactoOfficial
            ? QStringLiteral(", de facto")
            : QString();
        parts << QStringLiteral("%1 (%2%3)")
                     .arg(names(language.code), shareText(language.share), deFacto);
    }
    QString text = parts.join(QStringLiteral(", "));
    if (languages.size() > kMostNamed)
        text += QStringLiteral(" und %1 weitere").arg(languages.size() - kMostNamed);
    return text;
}

} // namespace

QString populationText(const CldrNumber &population)
{
    const double value = population.value();
    if (value >= 1e9)
        return withDecimals(population.inUnitsOf(7), 2) + QStringLiteral(" Mrd.");
    if (value >= 1e6)
        return withDecimals(population.inUnitsOf(5), 1) + QStringLiteral(" Mio.");
    return grouped(population.inUnitsOf(0));
}

QString shareText(const CldrNumber &share)
{
    const double value = share.value();
    if (value >= 0.1)
        return QStringLiteral("%1 %").arg(share.inUnitsOf(-2));
    if (value >= 0.01)
        return withDecimals(share.inUnitsOf(-3), 1) + QStringLiteral(" %");
    return QStringLiteral("unter 1 %");
}

QString languageName(const QByteArray &code)
{
    std::array<UChar, 128> name{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length
        = uloc_getDisplayName(code.constData(), "de", name.data(), int32_t(name.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length > int32_t(name.size()))
        return QString::fromLatin1(code);
    return QString(reinterpret_cast<const QChar *>(name.data()), length);
}

LanguagesCheck checkLanguages(QStringView code, const std::optional<TerritoryFacts> &facts,
                              const std::function<QString(const QByteArray &)> &names)
{
    if (code.isEmpty())
        return {};
    if (!facts)
        return {QStringLiteral("Die Unicode CLDR hat für %1 keine Angaben.").arg(code)};

    QString head = QStringLiteral("Laut Unicode CLDR");
    if (facts->region != code)
        head += QStringLiteral(" für ") + facts->region;
    if (facts->population)
        head += QStringLiteral(" (%1 Einwohner)").arg(populationText(*facts->population));
    QStringList lines{head + u':'};

    std::vector<const SpokenLanguage *> official;
    std::vector<const SpokenLanguage *> regional;
    std::vector<const SpokenLanguage *> others;
    for (const SpokenLanguage &language : facts->languages) {
        switch (language.status) {
        case LanguageStatus::Official:
        case LanguageStatus::DeFactoOfficial:
            official.push_back(&language);
            break;
        case LanguageStatus::OfficialRegional:
        case LanguageStatus::OfficialMinority:
            regional.push_back(&language);
            break;
        case LanguageStatus::None:
            if (language.share.value() >= 0.1)
                others.push_back(&language);
            break;
        }
    }
    if (!official.empty()) {
        lines << (official.size() == 1 ? QStringLiteral("Amtssprache: ")
                                       : QStringLiteral("Amtssprachen: "))
                + named(official, names);
    }
    if (!regional.empty())
        lines << QStringLiteral("Regional: ") + named(regional, names);
    if (!others.empty())
        lines << QStringLiteral("Weitere: ") + named(others, names);
    return {lines.join(u'\n')};
}

} // namespace orbisco::facts
