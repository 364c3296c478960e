#include "app/form1.h"

#include "data/builtin_data.h"

namespace orbisco {

void Form1::FillCountryIndex()
{
    TMplist.Clear();
    for (const QStringView entry : kCountryIndex)
        TMplist.AddItem(entry.toString());
}

} // namespace orbisco
