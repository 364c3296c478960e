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
#include <limits>
#include <vector>

namespace orbisco::ui {

MainWindow::MainWindow(Form1 &form, QWidget *parent)
    : MainWindow(form, {}, parent)
{}

MainWindow::MainWindow(Form1 &form, const localtime::MinuteClock::Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_clock(clock)
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
    connect(search, &QLineEdit::returnPressed, this, [this] {
        if (!m_list->suggestions().empty())
            m_form.Text1.setText(m_list->suggestions().front().code);
    });
    addResultList();

    QLabel *counter = addLabel(form.CounterLabel);
    counter->setFont(withoutFallbacks(counter->font()));
    counter->setAccessibleName(counter->text());
    counter->setAccessibleDescription(QStringLiteral("Anzahl"));
    connect(&form.CounterLabel, &Label::captionChanged, counter, &QLabel::setAccessibleName);

    // Each read-out is named by its caption, which is also its buddy. A box made after its caption
    // stands over it where the two overlap.
    TextBoxWidget *offset = nullptr;
    TextBoxWidget *currency = nullptr;
    for (const Form1::DetailBox &detail : form.detailBoxes()) {
        QLabel *label = addLabel(detail.caption);
        TextBoxWidget *edit = addTextBox(detail.box);
        label->setBuddy(edit);
        edit->setAccessibleName(detail.caption.Caption().chopped(1)); // without the colon
        if (&detail.box == &form.Text2)
            offset = edit;
        else if (&detail.box == &form.Text3)
            currency = edit;
    }

    // What follows the shown country and the clock: the read-outs beside the built-in values,
    // and where the country lies on the map.
    for (ShownCountryFollower *readout : {static_cast<ShownCountryFollower *>(&m_localTime),
                                          static_cast<ShownCountryFollower *>(&m_currency),
                                          static_cast<ShownCountryFollower *>(&m_countryOnMap)}) {
        readout->showCountry(form.shownCountry());
        connect(&form, &Form1::countryShown, readout, &ShownCountryFollower::showCountry);
        connect(&m_clock, &localtime::MinuteClock::ticked, readout,
                &ShownCountryFollower::showInstant);
    }

    addMap();
    addLocalTime();
    addFactChecks(offset, currency);
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
    connect(&model, &ListBox::itemAdded, m_list, [this](const QString &text) {
        m_list->addItem(text);
        m_list->showSuggestions({}); // the list says something again
    });
    // After the search has run on a new query (the form's own handler comes first): what it
    // cannot find, a suggestion may. Enter in the search box, or a click, takes one.
    connect(&m_form.Text1, &TextBox::Change, this, &MainWindow::suggest);
    connect(m_list, &ResultListWidget::suggestionChosen, &m_form.Text1, &TextBox::setText);
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

void MainWindow::suggest()
{
    std::vector<facts::Suggestion> found;
    if (m_form.List1.ListCount() == 0) {
        if (m_index.isEmpty()) {
            for (qint16 i = 0; i < m_form.TMplist.ListCount(); ++i)
                m_index << m_form.TMplist.List(i);
        }
        found = m_germanSearch.suggest(m_form.Text1.Text(), m_index);
    }
    m_list->showSuggestions(std::move(found));
}

void MainWindow::addMap()
{
    PictureBox &map = m_form.Picture1;
    m_map = new MapWidget(m_form, m_clock, m_localTime, m_countryOnMap, this);
    applyLook(m_map, map.layout());
    m_map->setAccessibleName(QStringLiteral("Weltkarte"));
    m_map->setPixmap(pixmapFor(m_map, QStringLiteral(":/images/map.argb")));
    place(m_map, map);

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
    m_localTimeLabel = new LocalTimeLabel(this);
    const ControlLayout &layout = controlLayout(u"Ortszeit");
    applyLook(m_localTimeLabel, layout);
    m_localTimeLabel->setFont(withoutFallbacks(m_localTimeLabel->font()));
    place(m_localTimeLabel, layout);

    // The local time at the shown instant, saying by how much it is shifted: at every change of
    // the read-out, and at every tick (a shift changes the words of a country with no time).
    const auto showLocalTime = [this] {
        const localtime::ShiftedReadout shown
            = localtime::shiftedReadout(m_localTime.readout(), m_clock.instant(), m_clock.shift());
        m_localTimeLabel->showTime(shown.text, shown.details);
    };
    connect(&m_localTime, &localtime::LocalTimeReadout::changed, m_localTimeLabel, showLocalTime);
    connect(&m_clock, &localtime::MinuteClock::ticked, m_localTimeLabel, showLocalTime);
    m_localTimeLabel->clock = &m_clock;
    // The first look into the time-zone database and at the sun waits until the window has been
    // painted, and so does the first search by German name (a query from the command line).
    m_localTimeLabel->onFirstPaint = [this] {
        QMetaObject::invokeMethod(&m_clock, "start", Qt::QueuedConnection);
        QMetaObject::invokeMethod(this, "suggest", Qt::QueuedConnection);
    };
}

void MainWindow::addFactChecks(TextBoxWidget *offset, TextBoxWidget *currency)
{
    // The offset keeps the tool tip its layout gives it; a stale one adds the database's offsets.
    const QString offsetTip = offset->toolTip();
    connect(&m_localTime, &localtime::LocalTimeReadout::changed, offset, [this, offset, offsetTip] {
        const QString &note = m_localTime.offsetNote();
        const QString tip = note.isEmpty() ? offsetTip : offsetTip + u'\n' + note;
        offset->setToolTip(tip);
        offset->setAccessibleDescription(tip);
        offset->setStale(!note.isEmpty());
    });
    connect(&m_currency, &facts::CurrencyReadout::changed, currency, [this, currency] {
        const facts::CurrencyCheck &check = m_currency.check();
        currency->setToolTip(check.details);
        currency->setAccessibleDescription(check.details);
        currency->setStale(check.stale);
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
