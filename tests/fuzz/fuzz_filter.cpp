// Any text typed into the search box: the list holds index entries in index order, the first is
// selected, and the counter says how many.
#include "fuzz_support.h"

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const auto form = loadedForm();
    static const QStringList index = entries(form->TMplist);

    const QString query = fuzz::utf16(data, size);
    form->Text1.setText(QString()); // from the whole index, so every query raises Change
    form->Text1.setText(query);
    FUZZ_CHECK(form->Text1.Text() == query);
    fuzz::checkCounter(*form);
    FUZZ_CHECK(form->List1.ListIndex() == (form->List1.ListCount() ? 0 : -1));

    const QString upper = query.toUpper();
    qsizetype next = 0;
    for (const QString &entry : entries(form->List1)) {
        const qsizetype at = index.indexOf(entry, next);
        FUZZ_CHECK(at >= 0); // an index entry, after the one before it
        next = at + 1;
        FUZZ_CHECK(upper.size() <= 2 ? entry.right(2).contains(upper)
                                     : entry.toUpper().contains(upper));
    }
    return 0;
}
