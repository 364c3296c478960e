#pragma once

#include "controls/window_layout.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace orbisco::ui {

// Headless models of the window's controls. The logic reads and writes them; the Qt window only
// renders them and forwards what the person does. Positions and sizes are twips.
//
// Events (Click, Change, GotFocus, MouseDown) are signals that run their handlers at once, nested
// inside the write that raised them, before the write returns. The other signals only tell an
// observer, such as the window, that a property changed.
class Control : public QObject
{
    Q_OBJECT

public:
    explicit Control(const ControlLayout &layout);

    const ControlLayout &layout() const { return m_layout; }

    float Left() const { return m_left; }
    void setLeft(float left);
    float Top() const { return static_cast<float>(m_layout.top); }
    float Width() const { return m_width; }
    void setWidth(float width);
    float Height() const { return static_cast<float>(m_layout.height); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

signals:
    void leftChanged(float left);
    void widthChanged(float width);
    void visibleChanged(bool visible);

private:
    const ControlLayout &m_layout;
    float m_left;
    float m_width;
    bool m_visible;
};

// A single-selection, unsorted list.
class ListBox : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    // Removes every entry and the selection; raises no Click.
    void Clear();
    // Appends at the end. Throws std::overflow_error when the count would leave 16 bits.
    void AddItem(const QString &text);
    qint16 ListCount() const { return static_cast<qint16>(m_items.size()); }
    // Throws std::out_of_range for an index that names no entry.
    const QString &List(qint16 index) const;
    // Every entry, in order.
    const QStringList &items() const { return m_items; }
    qint16 ListIndex() const { return m_listIndex; }
    // -1 removes the selection. Raises Click, nested, only when the selection changes.
    // Throws std::out_of_range for an index that is neither -1 nor an entry.
    void setListIndex(qint16 index);

signals:
    void cleared();
    void itemAdded(const QString &text);
    void listIndexChanged(int index);
    void Click();

private:
    QStringList m_items;
    qint16 m_listIndex = -1;
};

class ComboBox : public ListBox
{
    Q_OBJECT

public:
    using ListBox::ListBox;

    QString Text() const { return layout().text.toString(); }
};

class TextBox : public Control
{
    Q_OBJECT

public:
    explicit TextBox(const ControlLayout &layout);

    const QString &Text() const { return m_text; }
    // Raises Change, nested, when the text differs from what the box holds.
    void setText(const QString &text);
    qsizetype SelStart() const { return m_selStart; }
    qsizetype SelLength() const { return m_selLength; }
    // A caret beyond the text stands at its end; a selection reaching past the end stops there.
    // Negative values throw std::out_of_range.
    void setSelStart(qsizetype start);
    void setSelLength(qsizetype length);

    void raiseGotFocus() { emit GotFocus(); }

signals:
    void textChanged(const QString &text);
    void selectionChanged(qsizetype start, qsizetype length);
    void Change();
    void GotFocus();

private:
    QString m_text;
    qsizetype m_selStart = 0;
    qsizetype m_selLength = 0;
};

class Label : public Control
{
    Q_OBJECT

public:
    explicit Label(const ControlLayout &layout);

    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);

signals:
    void captionChanged(const QString &caption);

private:
    QString m_caption;
};

class PictureBox : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    // button and shift are passed on as the window reports them; x and y are twips from the
    // inner top-left corner.
    void raiseMouseDown(int button, int shift, float x, float y)
    {
        emit MouseDown(button, shift, x, y);
    }

signals:
    void MouseDown(int button, int shift, float x, float y);
};

} // namespace orbisco::ui
