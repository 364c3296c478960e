#include "app/form1.h"

#include "controls/checked.h"
#include "controls/event_codes.h"

namespace orbisco {

Form1::Form1(QString commandLineText, QObject *parent)
    : QObject(parent)
    , m_commandLineText(std::move(commandLineText))
{
    connect(&Text1, &ui::TextBox::Change, this, &Form1::Text1_Change);
    connect(&Text1, &ui::TextBox::GotFocus, this, &Form1::Text1_GotFocus);
    connect(&List1, &ui::ListBox::Click, this, &Form1::List1_Click);
    connect(&Picture1, &ui::PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
}

void Form1::Form_Load() noexcept
{
    skipOnError([&] { List1.Clear(); });
    skipOnError([&] { FillCountryIndex(); });
    // The records must be in before the first filter run: it shows the first entry's details.
    skipOnError([&] { InitMultipleData(); });
    FilterCountries(QString(), true);
    skipOnError([&] { UpdateCounter(); });
    // A command line runs the filter again, through Text1's Change.
    skipOnError([&] {
        if (!m_commandLineText.isEmpty())
            Text1.setText(m_commandLineText);
    });
}

void Form1::Form_KeyDown(int KeyCode, int /*Shift: Shift+Escape ends too*/)
{
    if (KeyCode == ui::kEscapeKey)
        End();
}

void Form1::End()
{
    m_ended = true;
    emit ended();
}

} // namespace orbisco
