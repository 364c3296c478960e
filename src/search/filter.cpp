#include "app/form1.h"

#include "controls/checked.h"

#include <algorithm>

namespace orbisco {

namespace {

// The upper-case form of entry, in a buffer that is reused from entry to entry: every keystroke
// scans the whole index. Plain ASCII, as every built-in entry is, is mapped here directly; any
// other text gets the full Unicode rules.
QStringView upperCased(const QString &entry, QString &buffer)
{
    const bool ascii = std::ranges::all_of(entry, [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        buffer = entry.toUpper();
        return buffer;
    }
    buffer.resize(entry.size());
    char16_t *out = reinterpret_cast<char16_t *>(buffer.data());
    for (const QChar c : entry)
        *out++ = c >= u'a' && c <= u'z' ? char16_t(c.unicode() - (u'a' - u'A')) : c.unicode();
    return buffer;
}

// A query of up to two characters is looked for in the entry's code alone, so "d" does not list
// "Sweden SE"; from three characters on, in the whole upper-cased entry, code included.
bool matches(const QString &entry, const QString &upperQuery, QString &buffer)
{
    if (upperQuery.size() <= 2)
        return entry.size() >= 2 && QStringView(entry).last(2).contains(upperQuery);
    return upperCased(entry, buffer).contains(upperQuery);
}

} // namespace

void Form1::FilterCountries(QString SearchStr, bool ClearList) noexcept
{
    skipOnError([&] {
        if (ClearList)
            List1.Clear();
    });
    SearchStr = SearchStr.toUpper();
    const qint16 n = TMplist.ListCount();
    QString buffer;
    for (qint16 i = 0; i < n; ++i) {
        skipOnError([&] {
            const QString &entry = TMplist.List(i);
            if (!matches(entry, SearchStr, buffer))
                return;
            List1.AddItem(entry);
            // Selecting the first match shows its details at once, while the rest are added.
            if (List1.ListCount() == 1)
                List1.setListIndex(0);
        });
    }
    skipOnError([&] { UpdateCounter(); });
}

void Form1::UpdateCounter()
{
    CounterLabel.setCaption(u'(' + QString::number(List1.ListCount()) + u')');
}

void Form1::Text1_Change()
{
    FilterCountries(Text1.Text(), true);
}

void Form1::Text1_GotFocus() noexcept
{
    // The whole text is selected, so the next key typed replaces it.
    skipOnError([&] { Text1.setSelStart(0); });
    skipOnError([&] { Text1.setSelLength(Text1.Text().size()); });
}

} // namespace orbisco
