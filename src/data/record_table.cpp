#include "app/form1.h"

#include "controls/checked.h"
#include "data/builtin_data.h"

#include <stdexcept>

namespace orbisco {

void Form1::AddData(const QString &DataStr)
{
    // An empty string is no record at all, not one empty field.
    SplitBuffer = DataStr.isEmpty() ? QStringList() : DataStr.split(u';');
    // Check everything before the first write, so that a rejected record leaves no partial row.
    if (SplitBuffer.size() < kRecordFields)
        throw std::invalid_argument("a country record needs six fields separated by ';'");
    if (DataCount < 0 || DataCount >= kTableRows)
        throw std::out_of_range("the record table is full");
    Row &row = DataTable[DataCount];
    for (int field = 0; field < kRecordFields; ++field)
        row[field] = SplitBuffer[field]; // fields beyond the sixth are ignored
    DataCount = toInt16(qint64(DataCount) + 1);
}

void Form1::InitMultipleData()
{
    loadRecords(kCountryRecords);
}

void Form1::loadRecords(std::span<const QStringView> records)
{
    DataCount = 0;
    for (const QStringView record : records) {
        // A bad record loses only itself; the ones after it still load.
        skipOnError([&] { AddData(record.toString()); });
    }
}

} // namespace orbisco
