#include "window/map_widget.h"

#include "app/form1.h"
#include "controls/checked.h"
#include "controls/window_layout.h"
#include "map/column_info.h"
#include "map/zone_geometry.h"
#include "window/input_codes.h"
#include "window/look.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace orbisco::ui {

MapWidget::MapWidget(Form1 &form, localtime::LocalTimeReadout::Clock clock, QWidget *parent)
    : QLabel(parent)
    , m_form(form)
    , m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = &QDateTime::currentDateTimeUtc;
    m_counts.fill(-1);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleDescription(map::columnDescription(m_focusZone, entryCount(m_focusZone)));
}

float MapWidget::twipsFromPictureLeft(QPointF position) const
{
    return float((position.x() - contentsRect().left()) * kTwipsPerPixel);
}

std::optional<qint16> MapWidget::zoneAt(QPointF position) const
{
    // As the press finds it: a map too wide for 16-bit columns has none.
    std::optional<qint16> zone;
    skipOnError([&] {
        zone = map::zoneAt(twipsFromPictureLeft(position),
                           map::columnWidth(m_form.Picture1.Width()));
    });
    return zone;
}

QRect MapWidget::columnRect(qint16 zone) const
{
    const double w = map::columnWidth(m_form.Picture1.Width());
    const int column = zone - map::kWestmostZone;
    // A press at pixel p takes column c when c·w < 15·p ≤ (c+1)·w.
    const int first = column == 0 ? 0 : int(std::floor(column * w / kTwipsPerPixel)) + 1;
    const int last = int(std::floor((column + 1) * w / kTwipsPerPixel));
    const QRect inside = contentsRect();
    return QRect(inside.left() + first, inside.top(), last - first + 1, inside.height())
        .intersected(inside);
}

int MapWidget::entryCount(qint16 zone)
{
    int &count = m_counts[size_t(zone - map::kWestmostZone)];
    if (count < 0)
        count = m_form.zoneEntryCount(zone); // the record table never changes after start-up
    return count;
}

void MapWidget::setHoverZone(std::optional<qint16> zone)
{
    if (zone == m_hoverZone)
        return;
    if (m_hoverZone)
        update(columnRect(*m_hoverZone));
    m_hoverZone = zone;
    if (m_hoverZone)
        update(columnRect(*m_hoverZone));
}

void MapWidget::setFocusZone(qint16 zone)
{
    if (zone != m_focusZone) {
        update(columnRect(m_focusZone));
        m_focusZone = zone;
        update(columnRect(m_focusZone));
    }
    // Qt announces the changed description to screen readers.
    setAccessibleDescription(map::columnDescription(zone, entryCount(zone)));
}

bool MapWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const std::optional<qint16> zone = zoneAt(help->pos());
        if (zone) {
            QToolTip::showText(help->globalPos(),
                               map::columnToolTip(*zone, m_clock(), entryCount(*zone)), this,
                               columnRect(*zone));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

void MapWidget::mousePressEvent(QMouseEvent *event)
{
    // x as the hover reads it, so the highlighted column is the pressed one.
    const double y = event->position().y() - contentsRect().top();
    m_form.Picture1.raiseMouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                                   twipsFromPictureLeft(event->position()),
                                   float(y * kTwipsPerPixel));
    event->accept();
}

void MapWidget::mouseMoveEvent(QMouseEvent *event)
{
    setHoverZone(zoneAt(event->position()));
    QLabel::mouseMoveEvent(event);
}

void MapWidget::leaveEvent(QEvent *event)
{
    setHoverZone(std::nullopt);
    QLabel::leaveEvent(event);
}

void MapWidget::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<qint16> zone = map::zoneAfterKey(m_focusZone, event->key())) {
        setFocusZone(*zone);
        return;
    }
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        // Exactly a left-button press in the middle of the focus column.
        skipOnError([&] {
            const qint16 w = map::columnWidth(m_form.Picture1.Width());
            m_form.Picture1.raiseMouseDown(buttonCode(Qt::LeftButton), 0,
                                           map::columnMiddle(m_focusZone, w),
                                           m_form.Picture1.Height() / 2);
        });
        return;
    }
    QLabel::keyPressEvent(event);
}

void MapWidget::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    setFocusZone(m_form.markedZone().value_or(0));
    update();
}

void MapWidget::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void MapWidget::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (m_hoverZone) {
        QColor light = palette().color(QPalette::Base);
        light.setAlpha(70);
        painter.fillRect(columnRect(*m_hoverZone), light);
    }
    if (hasFocus()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter.fillRect(columnRect(m_focusZone), highlight);
        drawFocusFrame(this, painter, contentsRect());
    }
}

} // namespace orbisco::ui
