// The control model's events are what the handlers rely on: a Click runs inside the ListIndex
// write that raised it, a Change inside the Text write, and nothing else raises them.
#include "form1_probe.h"

#include <gtest/gtest.h>

#include "controls/controls.h"

#include <stdexcept>

using namespace orbisco;
using namespace Qt::StringLiterals;
using orbisco::ui::controlLayout;

TEST(ListBoxModel, ClickRunsInsideTheWriteAndOnlyOnAChange)
{
    ui::ListBox list(controlLayout(u"List1"));
    int clicks = 0;
    qint16 seenIndex = -2;
    QObject::connect(&list, &ui::ListBox::Click, [&] {
        ++clicks;
        seenIndex = list.ListIndex();
    });
    list.AddItem(QStringLiteral("Chad TD"));
    list.AddItem(QStringLiteral("Chile CL"));
    EXPECT_EQ(clicks, 0) << "adding entries selects nothing";

    list.setListIndex(1);
    EXPECT_EQ(clicks, 1) << "the handler has run before the write returned";
    EXPECT_EQ(seenIndex, 1);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1) << "writing the same index is no change";

    list.Clear();
    EXPECT_EQ(clicks, 1) << "Clear raises no Click";
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.ListCount(), 0);
}

TEST(ListBoxModel, BadIndexIsAnErrorAndChangesNothing)
{
    ui::ListBox list(controlLayout(u"List1"));
    int clicks = 0;
    QObject::connect(&list, &ui::ListBox::Click, [&] { ++clicks; });
    list.AddItem(QStringLiteral("Chad TD"));
    EXPECT_THROW(list.setListIndex(1), std::out_of_range);
    EXPECT_THROW(list.setListIndex(-2), std::out_of_range);
    EXPECT_THROW((void)list.List(1), std::out_of_range);
    EXPECT_THROW((void)list.List(-1), std::out_of_range);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST(ListBoxModel, CountStopsAtSixteenBitsInsteadOfWrapping)
{
    ui::ListBox list(controlLayout(u"List1"));
    for (int i = 0; i < 32767; ++i)
        list.AddItem(QString());
    EXPECT_EQ(list.ListCount(), 32767);
    EXPECT_THROW(list.AddItem(QString()), std::overflow_error);
    EXPECT_EQ(list.ListCount(), 32767);
}

TEST(TextBoxModel, ChangeRunsInsideTheWriteWithTheNewText)
{
    ui::TextBox box(controlLayout(u"Text1"));
    QStringList seen;
    QObject::connect(&box, &ui::TextBox::Change, [&] { seen << box.Text(); });
    box.setText(QStringLiteral("ger"));
    box.setText(QStringLiteral("ger"));
    box.setText(QString());
    EXPECT_EQ(seen, QStringList({QStringLiteral("ger"), QString()}));
}

TEST(TextBoxModel, SelectionStaysInsideTheText)
{
    ui::TextBox box(controlLayout(u"Text1"));
    box.setText(QStringLiteral("Chad"));
    box.setSelStart(2);
    box.setSelLength(10);
    EXPECT_EQ(box.SelStart(), 2);
    EXPECT_EQ(box.SelLength(), 2);
    box.setSelStart(9);
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_THROW(box.setSelStart(-1), std::out_of_range);
    EXPECT_THROW(box.setSelLength(-1), std::out_of_range);
}

TEST(WindowModel, ControlsStartAsDesigned)
{
    Form1 form;
    EXPECT_EQ(form.Picture1.Left(), 120);
    EXPECT_EQ(form.Picture1.Top(), 3000);
    EXPECT_EQ(form.Picture1.Width(), 9285);
    EXPECT_EQ(form.Picture1.Height(), 5430);
    EXPECT_TRUE(form.Picture1.Visible());
    EXPECT_FALSE(form.Picture2.Visible()) << "the arrow starts hidden";
    EXPECT_FALSE(form.Line1.Visible()) << "the bar starts hidden";
    EXPECT_EQ(form.Picture2.Left(), 360);
    EXPECT_EQ(form.Line1.Left(), 240);
    EXPECT_EQ(form.Line1.layout().container, u"Picture1");
    EXPECT_FALSE(form.TMplist.Visible());
    EXPECT_EQ(form.TMplist.Text(), QStringLiteral("TMplist"));
    EXPECT_EQ(form.TimeZone.Text(), QStringLiteral("TimeZones"));
    EXPECT_EQ(form.Label4.Caption(), QStringLiteral("Währung:"));
    EXPECT_EQ(form.Label2.layout().toolTip, u"Zeitzone: UTC");
    EXPECT_EQ(form.CounterLabel.Caption(), QString());
    EXPECT_EQ(form.Text1.Text(), QString());
    EXPECT_EQ(form.Text1.layout().tabIndex, 0) << "the search box takes the focus first";
    EXPECT_EQ(form.List1.ListCount(), 0);
    EXPECT_EQ(Form1Probe::dataCount(form), 0);
    EXPECT_EQ(form.Text1.objectName(), QStringLiteral("Text1"));
}

TEST(WindowModel, EveryControlNameIsUniqueAndKnown)
{
    QStringList names;
    for (const ui::ControlLayout &control : ui::controlLayouts())
        names << control.name.toString();
    EXPECT_EQ(names.size(), 19);
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_THROW((void)controlLayout(u"Text7"), std::out_of_range);
}
