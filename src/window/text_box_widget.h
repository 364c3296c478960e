// A line edit for the search box and the read-outs. It adds two things to QLineEdit: it tells the
// form when it receives the focus, after Qt has placed its own caret (the search box selects its
// whole text then); and it takes texts of any length while keeping its undo history short.
//
// Qt records every character that is typed, pasted or deleted, without a limit, and never gives
// that memory back: pasting or deleting a megabyte would hold on to some 16 MB for good. So an
// edit that puts in or takes out a long text sets the whole new text instead, which Qt does not
// record; and after about a thousand characters of edits the history starts afresh.
//
// A read-out whose built-in value is no longer true carries a mark inside its right end, an amber
// badge with "!", which its text never runs under. A read-out may also show a flag there, 4:3 in
// a thin grey frame, left of the mark. Both are drawn, never part of the text.
#pragma once

#include <QLineEdit>
#include <QPixmap>

#include <functional>

class QPainter;

namespace orbisco::ui {

class TextBoxWidget : public QLineEdit
{
    Q_OBJECT

public:
    TextBoxWidget(const QString &text, QWidget *parent);

    std::function<void()> onFocusIn;

    // Shows or takes away the mark of a stale value.
    void setStale(bool stale);
    // What a check beside the box says: its tool tip, what screen readers hear, and the mark.
    void showCheck(const QString &toolTip, const QString &description, bool stale);
    bool isStale() const { return m_stale; }
    // Where the mark stands, in widget coordinates.
    QRect markRect() const;
    // Shows a flag, or none for a null pixmap; where it stands.
    void setFlag(const QPixmap &flag);
    const QPixmap &flag() const { return m_flag; }
    QRect flagRect() const;
    // Whether the whole text is wider than the room the box gives it.
    bool cutsShort() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Qt's own menu, with its long edits routed as above.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static constexpr qsizetype kUndoLimit = 1000;

    void pasteText();
    void cutText();
    void deleteText();
    // Replaces the selection, or inserts at the caret, by setting the whole text, when either the
    // new or the old part is long. Leaves short edits to Qt. True if it made the edit.
    bool replaceLong(const QString &inserted);
    bool cutLong();
    void countEdit(const QString &text);
    void forgetUndoHistory();

    void keepTextClear();
    void paintMarks(QPainter &painter);

    bool m_stale = false;
    QPixmap m_flag;
    qsizetype m_edited = 0;
    qsizetype m_lastSize;
};

} // namespace orbisco::ui
