#include "app/form1.h"

#include "controls/checked.h"
#include "search/match.h"

namespace orbisco {

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
            if (!search::matchesQuery(entry, SearchStr, buffer))
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
    emit searched();
}

void Form1::Text1_GotFocus() noexcept
{
    // The whole text is selected, so the next key typed replaces it.
    skipOnError([&] { Text1.setSelStart(0); });
    skipOnError([&] { Text1.setSelLength(Text1.Text().size()); });
}

} // namespace orbisco
