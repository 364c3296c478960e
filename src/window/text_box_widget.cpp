#include "window/text_box_widget.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace orbisco::ui {

TextBoxWidget::TextBoxWidget(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
    , m_lastSize(text.size())
{
    setMaxLength(std::numeric_limits<int>::max());
    setCursorPosition(0);
    connect(this, &QLineEdit::textEdited, this, &TextBoxWidget::countEdit);
}

void TextBoxWidget::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    keepTextClear();
}

void TextBoxWidget::showCheck(const QString &toolTip, const QString &description, bool stale)
{
    setToolTip(toolTip);
    setAccessibleDescription(description); // Qt tells screen readers of the change
    setStale(stale);
}

void TextBoxWidget::setFlag(const QPixmap &flag)
{
    if (flag.isNull() && m_flag.isNull())
        return;
    m_flag = flag;
    keepTextClear();
}

QRect TextBoxWidget::flagRect() const
{
    // As high as the box allows with about 3 pixels to spare inside its frame, 4:3.
    const int height = std::max(6, this->height() - 10);
    const int width = height * 4 / 3;
    const int right = m_stale ? markRect().left() - 3 : this->width() - 5;
    return QRect(right - width, (this->height() - height) / 2, width, height);
}

void TextBoxWidget::keepTextClear()
{
    // The text ends left of the flag and the mark.
    int right = 0;
    if (!m_flag.isNull())
        right = width() - flagRect().left() + 2;
    else if (m_stale)
        right = markRect().width() + 2;
    setTextMargins(0, 0, right, 0);
    update();
}

bool TextBoxWidget::cutsShort() const
{
    const QMargins margins = textMargins();
    // The line edit's frame and its own margin of about 2 pixels a side.
    const int room = contentsRect().width() - margins.left() - margins.right() - 4;
    return fontMetrics().horizontalAdvance(text()) > room;
}

QRect TextBoxWidget::markRect() const
{
    const int side = std::max(8, height() - 8);
    return QRect(width() - side - 4, (height() - side) / 2, side, side);
}

void TextBoxWidget::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_stale || !m_flag.isNull()) {
        QPainter painter(this);
        paintMarks(painter);
    }
}

void TextBoxWidget::paintMarks(QPainter &painter)
{
    if (!m_flag.isNull()) {
        // Pixel on pixel at the screen's density, framed a pixel wide in grey, so that a white
        // flag stands out on the light grey box.
        const QRect flag = flagRect();
        painter.drawPixmap(flag, m_flag);
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(flag).adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    if (!m_stale)
        return;
    // Amber with dark edge and sign: it stands out on the read-outs' light grey, which stays light
    // in any colour scheme.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect mark = markRect();
    painter.setPen(QPen(QColor(0x5a, 0x3c, 0x00), 1.0));
    painter.setBrush(QColor(0xff, 0xb0, 0x00));
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(std::max(6, mark.height() - 3));
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(mark, Qt::AlignCenter, QStringLiteral("!"));
}

void TextBoxWidget::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (onFocusIn)
        onFocusIn();
}

void TextBoxWidget::keyPressEvent(QKeyEvent *event)
{
    bool done = false;
    if (event->matches(QKeySequence::Paste))
        done = replaceLong(QGuiApplication::clipboard()->text());
    else if (event->matches(QKeySequence::Cut))
        done = cutLong();
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        done = replaceLong(QString());
    else if (!event->text().isEmpty() && event->text().front().isPrint())
        done = replaceLong(event->text());
    if (!done)
        QLineEdit::keyPressEvent(event);
}

void TextBoxWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton
        && replaceLong(QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return;
    QLineEdit::mouseReleaseEvent(event);
}

void TextBoxWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // Qt's own menu, in Qt's own words; only the edits that may be long take the road of the keys.
    // Its actions are known by their texts, in QLineEdit's words as Qt's translation gives them.
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::tuple<const char *, const char *, void (TextBoxWidget::*)()> longEdits[]
        = {{QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"), "edit-cut", &TextBoxWidget::cutText},
           {QT_TRANSLATE_NOOP("QLineEdit", "&Paste"), "edit-paste", &TextBoxWidget::pasteText},
           {QT_TRANSLATE_NOOP("QLineEdit", "Delete"), "edit-delete", &TextBoxWidget::deleteText}};
    for (QAction *action : menu->actions()) {
        const QString text = action->text().section(u'\t', 0, 0);
        for (const auto &[source, name, edit] : longEdits) {
            if (text != QLineEdit::tr(source))
                continue;
            action->setObjectName(QLatin1StringView(name));
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, edit);
        }
    }
    menu->popup(event->globalPos());
}

void TextBoxWidget::dropEvent(QDropEvent *event)
{
    const QString dropped = event->mimeData()->text();
    if (dropped.size() <= kUndoLimit || isReadOnly())
        return QLineEdit::dropEvent(event);
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    replaceLong(dropped);
    event->acceptProposedAction();
}

void TextBoxWidget::pasteText()
{
    if (!replaceLong(QGuiApplication::clipboard()->text()))
        paste();
}

void TextBoxWidget::cutText()
{
    if (!cutLong())
        cut();
}

void TextBoxWidget::deleteText()
{
    if (!replaceLong(QString()))
        del();
}

bool TextBoxWidget::replaceLong(const QString &inserted)
{
    if (isReadOnly() || (inserted.size() <= kUndoLimit && selectionLength() <= kUndoLimit))
        return false;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString edited = text();
    edited.replace(start, selectionLength(), inserted);
    setText(edited);
    setCursorPosition(start + int(inserted.size()));
    emit textEdited(edited); // the person's edit, as Qt reports its own
    return true;
}

bool TextBoxWidget::cutLong()
{
    if (selectionLength() <= kUndoLimit || echoMode() != Normal)
        return false;
    QGuiApplication::clipboard()->setText(selectedText());
    return replaceLong(QString());
}

void TextBoxWidget::countEdit(const QString &text)
{
    m_edited += std::abs(text.size() - m_lastSize) + 1;
    m_lastSize = text.size();
    if (m_edited > kUndoLimit)
        forgetUndoHistory();
}

void TextBoxWidget::forgetUndoHistory()
{
    const int cursor = cursorPosition();
    const int selectionStart = this->selectionStart();
    const int selectionLength = this->selectionLength();
    setText(text()); // setting the text is what clears Qt's history
    if (selectionStart >= 0)
        setSelection(selectionStart, selectionLength);
    else
        setCursorPosition(cursor);
    m_edited = 0;
}

} // namespace orbisco::ui
