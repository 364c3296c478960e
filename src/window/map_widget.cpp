#include "window/map_widget.h"

#include "app/form1.h"
#include "controls/event_codes.h"
#include "map/map_model.h"
#include "sun/daylight.h"
#include "viewmodel/window_model.h"
#include "window/input_codes.h"
#include "window/look.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace orbisco::ui {

namespace {

// The shown country: the picture half way to white, and an outline that stands out on every
// colour of the picture and of the night, white on a dark halo.
constexpr int kLitOpacity = 128;
const QColor kOutline(Qt::white);
const QColor kOutlineHalo(0x20, 0x20, 0x20);

} // namespace

MapWidget::MapWidget(viewmodel::WindowModel &model, QWidget *parent)
    : QLabel(parent)
    , m_model(model)
    , m_map(model.map())
{
    // Nothing of the sun or the zones before the clock starts, after the first paint.
    connect(&model.clock(), &localtime::MinuteClock::ticked, this, &MapWidget::shadeFor);
    connect(&m_map, &map::MapModel::dotsChanged, this, &MapWidget::updateAreas);
    connect(&m_map, &map::MapModel::countryChanged, this, &MapWidget::outlineCountry);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleDescription(m_map.columnDescription(m_focusZone));
}

QRectF MapWidget::pictureRect() const
{
    return m_map.pictureRect();
}

QRect MapWidget::bandRect() const
{
    return m_map.bandRect();
}

const std::vector<std::optional<QPointF>> &MapWidget::dots() const
{
    return m_map.dots();
}

const std::optional<QPointF> &MapWidget::countryMarker() const
{
    return m_map.countryMarker();
}

void MapWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_map.setInside(contentsRect());
}

void MapWidget::shadeFor(const ShownTime &time)
{
    const QRect band = bandRect();
    const qreal ratio = devicePixelRatioF();
    const QSize size = (QSizeF(band.size()) * ratio).toSize();
    if (size.isEmpty() || !time.instant.isValid()) {
        m_shade = QImage();
    } else {
        // Black of the shade's opacity, in the format the screen blends fastest.
        m_shade = QImage(size, QImage::Format_ARGB32_Premultiplied);
        sun::shadeBand(sun::sunAt(time.instant.toMSecsSinceEpoch()),
                       std::span<quint32>(reinterpret_cast<quint32 *>(m_shade.bits()),
                                          size_t(m_shade.sizeInBytes()) / sizeof(quint32)),
                       size.width(), size.height(),
                       m_shade.bytesPerLine() / qsizetype(sizeof(quint32)));
        m_shade.setDevicePixelRatio(ratio);
    }
    update(band);
}

void MapWidget::updateAreas(const std::vector<QRect> &areas)
{
    for (const QRect &area : areas)
        update(area);
}

void MapWidget::outlineCountry(const std::vector<QRect> &repaintAreas)
{
    m_countryArea = QPainterPath();
    m_countryArea.setFillRule(Qt::OddEvenFill); // holes stay unlit
    for (const std::vector<QPointF> &ring : m_map.countryRings()) {
        QPolygonF polygon(ring.begin(), ring.end());
        polygon.append(polygon.front());
        m_countryArea.addPolygon(polygon);
    }
    m_countryRegion = QRegion();
    for (const QRect &rect : m_map.countryCover())
        m_countryRegion += rect;

    // Drawn once for each country, into pictures at the screen's density that each paint only
    // lays over the map: the area lit, and its outline with the ring.
    const QRect around = m_countryRegion.boundingRect();
    const qreal ratio = devicePixelRatioF();
    const auto layer = [&](const auto &draw) {
        if (around.isEmpty())
            return QImage();
        QImage image((QSizeF(around.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(-around.topLeft());
        draw(painter);
        return image;
    };
    m_litLayer = layer([this](QPainter &painter) {
        painter.fillPath(m_countryArea, QColor(255, 255, 255, kLitOpacity));
    });
    m_outlineLayer = layer([this](QPainter &painter) { drawCountry(painter); });
    updateAreas(repaintAreas);
}

void MapWidget::drawCountry(QPainter &painter) const
{
    // One device pixel wide at any density, on a dark halo a device pixel wider on every side:
    // cosmetic pens one device pixel wide, which Qt draws as lines rather than stroking a shape,
    // the halo four times, a device pixel up, down, left and right.
    const std::optional<QPointF> &marker = m_map.countryMarker();
    constexpr double kRing = map::MapModel::kMarkerRadius;
    QPen pen(kOutlineHalo, 1);
    pen.setCosmetic(true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    const qreal pixel = 1.0 / devicePixelRatioF();
    for (const QPointF shift :
         {QPointF(pixel, 0), QPointF(-pixel, 0), QPointF(0, pixel), QPointF(0, -pixel)}) {
        painter.translate(shift);
        painter.drawPath(m_countryArea);
        if (marker)
            painter.drawEllipse(*marker, kRing, kRing);
        painter.translate(-shift);
    }
    pen.setColor(kOutline);
    painter.setPen(pen);
    painter.drawPath(m_countryArea);
    if (marker)
        painter.drawEllipse(*marker, kRing, kRing);
}

void MapWidget::setHoverZone(std::optional<qint16> zone)
{
    if (zone == m_hoverZone)
        return;
    if (m_hoverZone)
        update(m_map.columnRect(*m_hoverZone));
    m_hoverZone = zone;
    if (m_hoverZone)
        update(m_map.columnRect(*m_hoverZone));
}

void MapWidget::setFocusZone(qint16 zone)
{
    if (zone != m_focusZone) {
        update(m_map.columnRect(m_focusZone));
        m_focusZone = zone;
        update(m_map.columnRect(m_focusZone));
    }
    // Qt announces the changed description to screen readers.
    setAccessibleDescription(m_map.columnDescription(zone));
}

bool MapWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (const std::optional<map::MapModel::ToolTip> tip = m_map.toolTipAt(help->pos()))
            QToolTip::showText(help->globalPos(), tip->text, this, tip->area);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void MapWidget::mousePressEvent(QMouseEvent *event)
{
    // Where the hover reads it, so the highlighted column is the pressed one.
    const map::MapModel::Press press = m_map.pressAt(event->position());
    m_model.form().Picture1.raiseMouseDown(buttonCode(event->button()),
                                           shiftState(event->modifiers()), press.x, press.y);
    event->accept();
}

void MapWidget::mouseMoveEvent(QMouseEvent *event)
{
    setHoverZone(m_map.zoneAt(event->position()));
    QLabel::mouseMoveEvent(event);
}

void MapWidget::leaveEvent(QEvent *event)
{
    setHoverZone(std::nullopt);
    QLabel::leaveEvent(event);
}

void MapWidget::wheelEvent(QWheelEvent *event)
{
    // Some platforms turn the wheel with Shift into a sideways one.
    const QPoint delta = event->angleDelta();
    m_model.wheel(delta.y() != 0 ? delta.y() : delta.x(), event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void MapWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_model.timeKey(event->key(), event->modifiers() & Qt::ShiftModifier))
        return;
    const map::MapModel::KeyAction action = m_map.keyAction(m_focusZone, event->key());
    if (action.focus)
        setFocusZone(*action.focus);
    if (action.press) // exactly a left-button press there
        m_model.form().Picture1.raiseMouseDown(kLeftButton, 0, action.press->x, action.press->y);
    if (!action.taken)
        QLabel::keyPressEvent(event);
}

void MapWidget::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    setFocusZone(m_map.firstFocusZone());
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
    painter.setClipRect(contentsRect());
    const QPoint countryAt = m_countryRegion.boundingRect().topLeft();
    if (!m_litLayer.isNull())
        painter.drawImage(countryAt, m_litLayer);
    if (!m_shade.isNull())
        painter.drawImage(bandRect(), m_shade);
    if (!m_outlineLayer.isNull())
        painter.drawImage(countryAt, m_outlineLayer);
    if (m_hoverZone) {
        QColor light = palette().color(QPalette::Base);
        light.setAlpha(70);
        painter.fillRect(m_map.columnRect(*m_hoverZone), light);
    }
    if (hasFocus()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter.fillRect(m_map.columnRect(m_focusZone), highlight);
    }
    if (!dots().empty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
        painter.setBrush(Qt::white);
        constexpr double kDot = map::MapModel::kDotRadius;
        for (const std::optional<QPointF> &dot : dots()) {
            if (dot)
                painter.drawEllipse(*dot, kDot, kDot);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus())
        drawFocusFrame(this, painter, contentsRect());
}

} // namespace orbisco::ui
