#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

namespace orbisco::facts {

// ISO 3166-1 and the codes withdrawn from it (ISO 3166-3), from Debian's iso-codes, which keeps
// them as JSON.
class IsoCodes
{
public:
    struct Country
    {
        QString alpha2;       // "DE"
        QString alpha3;       // "DEU"
        QString numeric;      // "276"
        QString name;         // "Germany"
        QString officialName; // "Federal Republic of Germany"; empty where there is none
    };
    struct Withdrawn
    {
        QString alpha2;
        QString alpha3;
        QString numeric;
        QString name;
        QDate withdrawn;
    };

    // Where Debian keeps the files.
    static QString systemFolder() { return QStringLiteral("/usr/share/iso-codes/json"); }

    // None known.
    IsoCodes() = default;
    // The codes of iso_3166-1.json and iso_3166-3.json's texts. Malformed JSON, a wrong type or a
    // missing field loses the entry or the file, never more.
    static IsoCodes fromJson(QByteArrayView part1, QByteArrayView part3);
    // The same from the files in folder; a missing, unreadable or oversized file, or anything
    // but a regular file, gives nothing of that part.
    static IsoCodes fromFolder(const QString &folder);

    // Whether ISO 3166-1 was read at all: without it nothing can be said of a code.
    bool isEmpty() const { return m_countries.isEmpty(); }
    // The country of a current code; null for none.
    const Country *byAlpha2(QStringView alpha2) const;
    const Country *byAlpha3(QStringView alpha3) const;
    // A withdrawn alpha-2 code, its latest withdrawal where it was withdrawn twice; null for none.
    const Withdrawn *withdrawn(QStringView alpha2) const;

private:
    QList<Country> m_countries;
    QList<Withdrawn> m_withdrawn;
};

} // namespace orbisco::facts
