#include "window/main_window.h"

#include "app/form1.h"
#include "controls/controls.h"
#include "window/application.h"
#include "window/key_preview.h"
#include "window/local_time_label.h"
#include "window/look.h"
#include "window/map_widget.h"
#include "window/result_list_widget.h"
#include "window/text_box_widget.h"
#include "window/zone_bar_widget.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace orbisco::ui {

MainWindow::MainWindow(Form1 &form, QWidget *parent)
    : MainWindow(form, {}, parent)
{}

MainWindow::MainWindow(Form1 &form, const localtime::MinuteClock::Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_model(form, clock)
{
    const WindowLayout &window = windowLayout();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(window.caption.toString());
    setFont(toQFont(window.font));
    setWindowIcon(programIcon());
    resize(toPixels(window.clientWidth), toPixels(window.clientHeight));

    TextBoxWidget *search = addTextBox(form.Text1);
    search->setAccessibleName(QStringLiteral("Suche"));
    search->onFocusIn = [&form] { form.Text1.raiseGotFocus(); };
    connect(search, &QLineEdit::returnPressed, &m_model,
            &viewmodel::WindowModel::takeFirstSuggestion);
    addResultList();

    QLabel *counter = addLabel(form.CounterLabel);
    counter->setFont(withoutFallbacks(counter->font()));
    counter->setAccessibleName(counter->text());
    counter->setAccessibleDescription(QStringLiteral("Anzahl"));
    connect(&form.CounterLabel, &Label::captionChanged, counter, &QLabel::setAccessibleName);

    // Each read-out is named by its caption, which is also its buddy. A box made after its caption
    // stands over it where the two overlap.
    for (const Form1::DetailBox &detail : form.detailBoxes()) {
        QLabel *label = addLabel(detail.caption);
        TextBoxWidget *edit = addTextBox(detail.box);
        label->setBuddy(edit);
        edit->setAccessibleName(detail.caption.Caption().chopped(1)); // without the colon
    }

    addMap();
    addLocalTime();
    addFactChecks();
    setTabOrder();
    new KeyPreview(this, form);
    search->setFocus();
    // The first look into the time-zone database, at the sun and into ICU's data waits until the
    // window has been painted, and so does the first search by German name (a query from the
    // command line).
    connect(this, &MainWindow::firstPainted, &m_model, &viewmodel::WindowModel::start,
            Qt::QueuedConnection);
}

void MainWindow::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Ask for the keyboard ourselves: where no window manager activates a new window (a kiosk
    // session), the search box would never get its focus, so a query from the command line would
    // not be selected and typing would go in front of it.
    activateWindow();
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

TextBoxWidget *MainWindow::addTextBox(TextBox &box)
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
    m_list = new ResultListWidget(this);
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
    // What the search cannot find, a suggestion may; a click takes one.
    connect(&m_model, &viewmodel::WindowModel::suggestionsChanged, m_list,
            &ResultListWidget::showSuggestions);
    connect(m_list, &ResultListWidget::suggestionChosen, &m_model,
            &viewmodel::WindowModel::takeSuggestion);
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
    m_map = new MapWidget(m_model, this);
    applyLook(m_map, map.layout());
    m_map->setAccessibleName(QStringLiteral("Weltkarte"));
    m_map->setPixmap(pixmapFor(m_map, QStringLiteral(":/images/map.argb")));
    place(m_map, map);
    m_model.map().setInside(m_map->contentsRect());

    // The arrow stands on the window above the map; the bar lies inside the map's picture.
    auto *arrow = new QLabel(this);
    applyLook(arrow, m_form.Picture2.layout());
    arrow->setPixmap(pixmapFor(arrow, QStringLiteral(":/images/arrow.argb")));
    arrow->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *bar = new ZoneBarWidget(m_map);
    applyLook(bar, m_form.Line1.layout());

    const std::pair<QWidget *, PictureBox *> markers[]
        = {{arrow, &m_form.Picture2}, {bar, &m_form.Line1}};
    for (const auto &marker : markers) {
        QWidget *widget = marker.first;
        PictureBox *model = marker.second;
        // Inside its container, a picture box, from the picture's corner inside its frame.
        const QPoint offset = model->layout().container.isEmpty()
            ? QPoint()
            : findChild<QFrame *>(model->layout().container.toString())->contentsRect().topLeft();
        place(widget, *model, offset);
        widget->setVisible(model->Visible());
        connect(model, &Control::leftChanged, widget,
                [widget, model, offset] { place(widget, *model, offset); });
        connect(model, &Control::visibleChanged, widget, &QWidget::setVisible);
    }
    arrow->raise();
}

void MainWindow::addLocalTime()
{
    auto *label = new LocalTimeLabel(m_model, this);
    const ControlLayout &layout = controlLayout(u"Ortszeit");
    applyLook(label, layout);
    label->setFont(withoutFallbacks(label->font()));
    place(label, layout);
    const localtime::LocalTimeReadout &readout = m_model.localTime();
    connect(&readout, &localtime::LocalTimeReadout::changed, label,
            [label, &readout] { label->showTime(readout.shown().text, readout.shown().details); });
}

void MainWindow::addFactChecks()
{
    // Each check stands beside the box the form says it checks.
    const auto box
        = [this](const TextBox &model) { return findChild<TextBoxWidget *>(model.objectName()); };
    TextBoxWidget *offset = box(m_model.offsetBox());
    connect(&m_model.offset(), &localtime::OffsetReadout::changed, offset, [this, offset] {
        const QString details = m_model.offsetDetails();
        offset->showCheck(details, details, m_model.offset().check().stale);
    });
    TextBoxWidget *currency = box(m_model.currencyBox());
    connect(&m_model.currency(), &facts::CurrencyReadout::changed, currency, [this, currency] {
        const facts::CurrencyCheck &check = m_model.currency().check();
        currency->showCheck(check.details, check.details, check.stale);
    });
    TextBoxWidget *languages = box(m_model.languagesBox());
    connect(&m_model.languages(), &facts::LanguagesReadout::changed, languages, [this, languages] {
        const QString details = m_model.languagesDetails(languages->cutsShort());
        languages->showCheck(details, details, false);
    });
    TextBoxWidget *code = box(m_model.codeBox());
    connect(&m_model.code(), &facts::CodeReadout::changed, code, [this, code] {
        const facts::CodeCheck &check = m_model.code().check();
        code->showCheck(check.details, m_model.codeDescription(), check.stale);
        code->setFlag(flagFor(code, check.flag));
    });
}

void MainWindow::setTabOrder()
{
    // Keyboard order follows the tab indices; labels and hidden controls take no focus.
    std::vector<std::pair<int, QWidget *>> order;
    for (QWidget *widget : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.emplace_back(controlLayout(widget->objectName()).tabIndex, widget);
    }
    std::ranges::sort(order, {}, &std::pair<int, QWidget *>::first);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

} // namespace orbisco::ui
