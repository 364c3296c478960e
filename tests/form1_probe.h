#pragma once

#include "app/form1.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace orbisco {

// The tests' way to the window's private handlers and its record table.
struct Form1Probe
{
    static const QString &cell(const Form1 &form, int row, int column)
    {
        return form.DataTable.at(row).at(column);
    }
    static qint16 dataCount(const Form1 &form) { return form.DataCount; }
    static void filter(Form1 &form, const QString &query, bool clearList)
    {
        form.FilterCountries(query, clearList);
    }
    static void showCountry(Form1 &form, const QString &code) { form.ShowCountry(code); }
    static void fillCountryIndex(Form1 &form) { form.FillCountryIndex(); }
    static void loadRecords(Form1 &form, const std::vector<QString> &records)
    {
        std::vector<QStringView> views(records.begin(), records.end());
        form.loadRecords(views);
    }
};

inline QStringList entries(const ui::ListBox &list)
{
    QStringList out;
    for (qint16 i = 0; i < list.ListCount(); ++i)
        out << list.List(i);
    return out;
}

inline QStringList readOuts(const Form1 &form)
{
    return {form.Text2.Text(), form.Text3.Text(), form.Text4.Text(), form.Text5.Text(),
            form.Text6.Text()};
}

inline std::unique_ptr<Form1> loadedForm(const QString &commandLine = {})
{
    auto form = std::make_unique<Form1>(commandLine);
    form->raiseLoad();
    return form;
}

} // namespace orbisco
