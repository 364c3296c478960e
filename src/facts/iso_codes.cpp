#include "facts/iso_codes.h"

#include "data/country_codes.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orbisco::facts {

namespace {

// The files are some 40 KB; anything far larger is none of them.
constexpr qint64 kLargestFile = 4 << 20;

// The entries of a part: the array under its key ("3166-1").
QJsonArray entriesOf(QByteArrayView json, const QString &key)
{
    if (json.isEmpty() || json.size() > kLargestFile)
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray());
    return document.isObject() ? document.object().value(key).toArray() : QJsonArray();
}

QByteArray fileText(const QString &path)
{
    // Only a regular file: reading a pipe or a device could block.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestFile)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kLargestFile) : QByteArray();
}

QString field(const QJsonObject &entry, const char *key)
{
    return entry.value(QLatin1StringView(key)).toString();
}

bool isNumeric(QStringView text)
{
    return text.size() == 3 && std::ranges::all_of(text, [](QChar c) { return c.isDigit(); });
}

} // namespace

IsoCodes IsoCodes::fromJson(QByteArrayView part1, QByteArrayView part3)
{
    IsoCodes codes;
    for (const auto &value : entriesOf(part1, QStringLiteral("3166-1"))) {
        const QJsonObject entry = value.toObject();
        Country country{field(entry, "alpha_2"), field(entry, "alpha_3"), field(entry, "numeric"),
                        field(entry, "name"), field(entry, "official_name")};
        if (isCapitalCode(country.alpha2, 2) && isCapitalCode(country.alpha3, 3)
            && isNumeric(country.numeric) && !country.name.isEmpty())
            codes.m_countries.append(std::move(country));
    }
    for (const auto &value : entriesOf(part3, QStringLiteral("3166-3"))) {
        const QJsonObject entry = value.toObject();
        Withdrawn code{field(entry, "alpha_2"), field(entry, "alpha_3"), field(entry, "numeric"),
                       field(entry, "name"),
                       QDate::fromString(field(entry, "withdrawal_date"), Qt::ISODate)};
        if (isCapitalCode(code.alpha2, 2) && isCapitalCode(code.alpha3, 3) && !code.name.isEmpty()
            && code.withdrawn.isValid())
            codes.m_withdrawn.append(std::move(code));
    }
    return codes;
}

IsoCodes IsoCodes::fromFolder(const QString &folder)
{
    return fromJson(fileText(folder + QStringLiteral("/iso_3166-1.json")),
                    fileText(folder + QStringLiteral("/iso_3166-3.json")));
}

const IsoCodes::Country *IsoCodes::byAlpha2(QStringView alpha2) const
{
    const auto found = std::ranges::find(m_countries, alpha2, &Country::alpha2);
    return found == m_countries.end() ? nullptr : &*found;
}

const IsoCodes::Country *IsoCodes::byAlpha3(QStringView alpha3) const
{
    const auto found = std::ranges::find(m_countries, alpha3, &Country::alpha3);
    return found == m_countries.end() ? nullptr : &*found;
}

const IsoCodes::Withdrawn *IsoCodes::withdrawn(QStringView alpha2) const
{
    const Withdrawn *latest = nullptr;
    for (const Withdrawn &code : m_withdrawn) {
        if (code.alpha2 == alpha2 && (!latest || code.withdrawn > latest->withdrawn))
            latest = &code;
    }
    return latest;
}

} // namespace orbisco::facts
