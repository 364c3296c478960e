// Storing records: one record per line of the input, into one table, until it is full and past.
#include "fuzz_support.h"

#include <stdexcept>

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Form1 form;
    const QStringList records
        = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'\n');
    for (const QString &record : records) {
        const qint16 before = Form1Probe::dataCount(form);
        const int row = std::min<int>(before, Form1::kTableRows - 1);
        QStringList old;
        for (int column = 0; column < Form1::kTableColumns; ++column)
            old << Form1Probe::cell(form, row, column);
        try {
            form.AddData(record);
        } catch (const std::invalid_argument &) {
            FUZZ_CHECK(record.isEmpty() || record.count(u';') < Form1::kRecordFields - 1);
        } catch (const std::out_of_range &) {
            FUZZ_CHECK(before == Form1::kTableRows);
        }
        const qint16 after = Form1Probe::dataCount(form);
        if (after == before) { // rejected whole: the row is untouched
            for (int column = 0; column < Form1::kTableColumns; ++column)
                FUZZ_CHECK(Form1Probe::cell(form, row, column) == old[column]);
            continue;
        }
        FUZZ_CHECK(after == before + 1);
        const QStringList fields = record.split(u';');
        for (int column = 0; column < Form1::kRecordFields; ++column)
            FUZZ_CHECK(Form1Probe::cell(form, before, column) == fields[column]);
        FUZZ_CHECK(Form1Probe::cell(form, before, 6).isEmpty());
    }
    return 0;
}
