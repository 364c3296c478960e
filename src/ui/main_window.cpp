#include "ui/main_window.h"

#include "app/form1.h"
#include "ui/controls.h"
#include "ui/input_codes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <vector>

namespace orbisco::ui {

namespace {

QFont toQFont(const FontSpec &wanted)
{
    QFont font(wanted.family.toString());
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

void applyLook(QWidget *widget, const ControlLayout &layout)
{
    widget->setObjectName(layout.name.toString());
    if (!layout.font.family.isEmpty())
        widget->setFont(toQFont(layout.font));
    if (!layout.toolTip.isEmpty())
        widget->setToolTip(layout.toolTip.toString());
    if (layout.background) {
        QPalette palette = widget->palette();
        const QColor colour = QColor::fromRgb(*layout.background);
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Window, colour);
        widget->setPalette(palette);
    }
}

// The image for the widget's screen: on a screen of twice the density or more, its 2x file, drawn
// sharp at the same logical size.
QPixmap pixmapFor(const QWidget *widget, const QString &path)
{
    if (widget->devicePixelRatio() > 1.0) {
        QString dense = path;
        dense.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pixmap(dense);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(path);
}

// A text box that tells the form when it receives the focus, after Qt has placed its own caret.
//
// It takes texts of any length, and it keeps its undo history short. Qt records every character
// that is typed, pasted or deleted, without a limit, and never gives that memory back: pasting or
// deleting a megabyte would hold on to some 16 MB for good. So an edit that puts in or takes out
// a long text sets the whole new text instead, which Qt does not record; and after about a
// thousand characters of edits the history starts afresh.
class TextBoxWidget : public QLineEdit
{
public:
    explicit TextBoxWidget(const QString &text, QWidget *parent)
        : QLineEdit(text, parent)
        , m_lastSize(text.size())
    {
        setMaxLength(std::numeric_limits<int>::max());
        setCursorPosition(0);
        connect(this, &QLineEdit::textEdited, this, &TextBoxWidget::countEdit);
    }

    std::function<void()> onFocusIn;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (onFocusIn)
            onFocusIn();
    }

    void keyPressEvent(QKeyEvent *event) override
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

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::MiddleButton
            && replaceLong(QGuiApplication::clipboard()->text(QClipboard::Selection)))
            return;
        QLineEdit::mouseReleaseEvent(event);
    }

    // Qt's own menu, with its long edits routed as above.
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const bool editable = !isReadOnly();
        const bool selected = hasSelectedText() && echoMode() == Normal;
        auto add = [&](const QString &text, QKeySequence::StandardKey key, bool enabled,
                       const char *name, std::function<void()> run) {
            const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
            QAction *action = menu->addAction(shortcut.isEmpty() ? text : text + u'\t' + shortcut,
                                              this, std::move(run));
            action->setEnabled(enabled);
            action->setObjectName(QLatin1StringView(name));
        };
        add(tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(), "edit-undo",
            [this] { undo(); });
        add(tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(), "edit-redo",
            [this] { redo(); });
        menu->addSeparator();
        add(tr("Cu&t"), QKeySequence::Cut, editable && selected, "edit-cut", [this] { cutText(); });
        add(tr("&Copy"), QKeySequence::Copy, selected, "edit-copy", [this] { copy(); });
        add(tr("&Paste"), QKeySequence::Paste,
            editable && !QGuiApplication::clipboard()->text().isEmpty(), "edit-paste",
            [this] { pasteText(); });
        add(tr("Delete"), QKeySequence::UnknownKey, editable && hasSelectedText(), "edit-delete",
            [this] { deleteText(); });
        menu->addSeparator();
        add(tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(), "select-all",
            [this] { selectAll(); });
        menu->popup(event->globalPos());
    }

    void dropEvent(QDropEvent *event) override
    {
        const QString dropped = event->mimeData()->text();
        if (dropped.size() <= kUndoLimit || isReadOnly())
            return QLineEdit::dropEvent(event);
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        replaceLong(dropped);
        event->acceptProposedAction();
    }

private:
    static constexpr qsizetype kUndoLimit = 1000;

    void pasteText()
    {
        if (!replaceLong(QGuiApplication::clipboard()->text()))
            paste();
    }
    void cutText()
    {
        if (!cutLong())
            cut();
    }
    void deleteText()
    {
        if (!replaceLong(QString()))
            del();
    }

    // Replaces the selection, or inserts at the caret, by setting the whole text, when either the
    // new or the old part is long. Leaves short edits to Qt. True if it made the edit.
    bool replaceLong(const QString &inserted)
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

    bool cutLong()
    {
        if (selectionLength() <= kUndoLimit || echoMode() != Normal)
            return false;
        QGuiApplication::clipboard()->setText(selectedText());
        return replaceLong(QString());
    }

    void countEdit(const QString &text)
    {
        m_edited += std::abs(text.size() - m_lastSize) + 1;
        m_lastSize = text.size();
        if (m_edited > kUndoLimit)
            forgetUndoHistory();
    }

    void forgetUndoHistory()
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

    qsizetype m_edited = 0;
    qsizetype m_lastSize;
};

// The map: a picture in a sunken 2-pixel frame that reports every mouse press.
class MapWidget : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void(QMouseEvent *)> onPress;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (onPress)
            onPress(event);
        event->accept();
    }
};

// The zone bar lies over the map; a press on it is its own and does not reach the map.
class BarWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

// The window sees every key first: Escape ends the program from whichever control has the focus.
class KeyPreview : public QObject
{
public:
    KeyPreview(QWidget *window, Form1 &form)
        : QObject(window)
        , m_window(window)
        , m_form(form)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
            || static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        m_form.raiseKeyDown(keyCode(key->key()), shiftState(key->modifiers()));
        return m_form.hasEnded();
    }

private:
    QWidget *m_window;
    Form1 &m_form;
};

} // namespace

MainWindow::MainWindow(Form1 &form, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
{
    const WindowLayout &window = windowLayout();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(window.caption.toString());
    setFont(toQFont(window.font));
    setWindowIcon(QIcon(QStringLiteral(":/images/globe.png")));
    resize(toPixels(window.clientWidth), toPixels(window.clientHeight));

    QLineEdit *search = addTextBox(form.Text1);
    search->setAccessibleName(QStringLiteral("Suche"));
    static_cast<TextBoxWidget *>(search)->onFocusIn = [&form] { form.Text1.raiseGotFocus(); };
    addResultList();

    QLabel *counter = addLabel(form.CounterLabel);
    counter->setAccessibleName(counter->text());
    counter->setAccessibleDescription(QStringLiteral("Anzahl"));
    connect(&form.CounterLabel, &Label::captionChanged, counter, &QLabel::setAccessibleName);

    // Each read-out is named by its caption, which is also its buddy. A box made after its caption
    // stands over it where the two overlap.
    const std::pair<Label *, TextBox *> readOuts[] = {{&form.Label3, &form.Text4},
                                                      {&form.Label2, &form.Text2},
                                                      {&form.Label4, &form.Text3},
                                                      {&form.Al, &form.Text5},
                                                      {&form.Label5, &form.Text6}};
    for (const auto &[caption, box] : readOuts) {
        QLabel *label = addLabel(*caption);
        QLineEdit *edit = addTextBox(*box);
        label->setBuddy(edit);
        edit->setAccessibleName(caption->Caption().chopped(1)); // without the colon
    }

    addMap();
    setTabOrder();
    new KeyPreview(this, form);
    search->setFocus();
}

void MainWindow::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void MainWindow::place(QWidget *widget, const Control &control, QPoint offset)
{
    widget->setGeometry(offset.x() + toPixels(control.Left()), offset.y() + toPixels(control.Top()),
                        toPixels(control.Width()), toPixels(control.Height()));
}

QLineEdit *MainWindow::addTextBox(TextBox &box)
{
    auto *edit = new TextBoxWidget(box.Text(), this);
    applyLook(edit, box.layout());
    place(edit, box);
    // Only what the person types goes to the form; what the form writes comes back here.
    connect(edit, &QLineEdit::textEdited, &box, &TextBox::setText);
    connect(&box, &TextBox::textChanged, edit, [edit](const QString &text) {
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0); // show a written text from its beginning
        }
    });
    connect(&box, &TextBox::selectionChanged, edit, [edit](qsizetype start, qsizetype length) {
        // A line edit counts in int; no text it can hold is longer.
        edit->setSelection(static_cast<int>(start), static_cast<int>(length));
    });
    return edit;
}

QLabel *MainWindow::addLabel(Label &label)
{
    auto *widget = new QLabel(label.Caption(), this);
    applyLook(widget, label.layout());
    widget->setTextFormat(Qt::PlainText);
    place(widget, label);
    connect(&label, &Label::captionChanged, widget, &QLabel::setText);
    return widget;
}

void MainWindow::addResultList()
{
    ListBox &model = m_form.List1;
    m_list = new QListWidget(this);
    applyLook(m_list, model.layout());
    m_list->setAccessibleName(QStringLiteral("Ergebnisse"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    place(m_list, model);

    // Draw what the form holds now, then follow its changes.
    for (qint16 i = 0; i < model.ListCount(); ++i)
        m_list->addItem(model.List(i));
    m_list->setCurrentRow(model.ListIndex());

    connect(&model, &ListBox::cleared, m_list, &QListWidget::clear);
    connect(&model, &ListBox::itemAdded, m_list,
            [this](const QString &text) { m_list->addItem(text); });
    connect(&model, &ListBox::listIndexChanged, m_list, [this](int row) {
        m_list->setCurrentRow(row);
        if (row >= 0)
            m_list->scrollToItem(m_list->item(row));
    });
    // A selection the person makes, by mouse or arrow keys, is a write of ListIndex. The form's
    // own selections come back here too and change nothing, since the index is the same; and
    // clear() reports row -1, which is no selection at all.
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_form.List1.setListIndex(static_cast<qint16>(row));
    });
}

void MainWindow::addMap()
{
    PictureBox &map = m_form.Picture1;
    auto *mapWidget = new MapWidget(this);
    m_map = mapWidget;
    applyLook(m_map, map.layout());
    m_map->setAccessibleName(QStringLiteral("Weltkarte"));
    m_map->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_map->setLineWidth(2);
    m_map->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_map->setPixmap(pixmapFor(m_map, QStringLiteral(":/images/map.jpg")));
    m_map->setFocusPolicy(Qt::StrongFocus);
    place(m_map, map);
    mapWidget->onPress = [this](QMouseEvent *event) {
        const QPointF inner = event->position() - m_map->contentsRect().topLeft();
        m_form.Picture1.raiseMouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                                       float(inner.x() * kTwipsPerPixel),
                                       float(inner.y() * kTwipsPerPixel));
    };

    // The arrow stands on the window above the map; the bar lies inside the map's picture.
    auto *arrow = new QLabel(this);
    applyLook(arrow, m_form.Picture2.layout());
    arrow->setPixmap(pixmapFor(arrow, QStringLiteral(":/images/arrow.gif")));
    arrow->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *bar = new BarWidget(m_map);
    applyLook(bar, m_form.Line1.layout());
    bar->setAutoFillBackground(true);

    const QPoint inside = m_map->contentsRect().topLeft();
    const std::pair<QWidget *, PictureBox *> markers[]
        = {{arrow, &m_form.Picture2}, {bar, &m_form.Line1}};
    for (const auto &marker : markers) {
        QWidget *widget = marker.first;
        PictureBox *model = marker.second;
        const QPoint offset = widget == bar ? inside : QPoint();
        place(widget, *model, offset);
        widget->setVisible(model->Visible());
        connect(model, &Control::leftChanged, widget,
                [this, widget, model, offset] { place(widget, *model, offset); });
        connect(model, &Control::visibleChanged, widget, &QWidget::setVisible);
    }
    arrow->raise();
}

void MainWindow::setTabOrder()
{
    // Keyboard order follows the tab indices; labels and hidden controls take no focus.
    std::vector<std::pair<int, QWidget *>> order;
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            const ControlLayout &layout = controlLayout(widget->objectName());
            order.emplace_back(layout.tabIndex, widget);
        }
    }
    std::ranges::sort(order, {}, &std::pair<int, QWidget *>::first);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

} // namespace orbisco::ui
