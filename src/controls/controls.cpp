#include "controls/controls.h"

#include "controls/checked.h"

#include <algorithm>
#include <stdexcept>

namespace orbisco::ui {

Control::Control(const ControlLayout &layout)
    : m_layout(layout)
    , m_left(static_cast<float>(layout.left))
    , m_width(static_cast<float>(layout.width))
    , m_visible(layout.visible)
{
    setObjectName(layout.name.toString());
}

void Control::setLeft(float left)
{
    if (left == m_left)
        return;
    m_left = left;
    emit leftChanged(left);
}

void Control::setWidth(float width)
{
    if (width == m_width)
        return;
    m_width = width;
    emit widthChanged(width);
}

void Control::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

void ListBox::Clear()
{
    m_items.clear();
    m_listIndex = -1;
    emit cleared();
}

void ListBox::AddItem(const QString &text)
{
    toInt16(qint64(m_items.size()) + 1);
    m_items.append(text);
    emit itemAdded(text);
}

const QString &ListBox::List(qint16 index) const
{
    if (index < 0 || index >= m_items.size())
        throw std::out_of_range("no list entry at this index");
    return m_items[index];
}

void ListBox::setListIndex(qint16 index)
{
    if (index < -1 || index >= m_items.size())
        throw std::out_of_range("no list entry at this index");
    if (index == m_listIndex)
        return;
    m_listIndex = index;
    emit listIndexChanged(index);
    emit Click();
}

TextBox::TextBox(const ControlLayout &layout)
    : Control(layout)
    , m_text(layout.text.toString())
{}

void TextBox::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_selStart = std::min<qsizetype>(m_selStart, text.size());
    m_selLength = 0;
    emit textChanged(m_text);
    emit Change();
}

void TextBox::setSelStart(qsizetype start)
{
    if (start < 0)
        throw std::out_of_range("negative caret position");
    m_selStart = std::min<qsizetype>(start, m_text.size());
    m_selLength = 0;
    emit selectionChanged(m_selStart, m_selLength);
}

void TextBox::setSelLength(qsizetype length)
{
    if (length < 0)
        throw std::out_of_range("negative selection length");
    m_selLength = std::min<qsizetype>(length, m_text.size() - m_selStart);
    emit selectionChanged(m_selStart, m_selLength);
}

Label::Label(const ControlLayout &layout)
    : Control(layout)
    , m_caption(layout.text.toString())
{}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}

} // namespace orbisco::ui
