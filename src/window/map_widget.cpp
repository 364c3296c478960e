#include "window/map_widget.h"

#include "app/form1.h"
#include "controls/event_codes.h"
#include "controls/window_layout.h"
#include "facts/region_names.h"
#include "geo/country_outlines.h"
#include "geo/projection.h"
#include "map/column_info.h"
#include "sun/daylight.h"
#include "window/input_codes.h"
#include "window/look.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace orbisco::ui {

namespace {

// The dots: about 5 pixels across; taken by the pointer within 4 pixels.
constexpr double kDotRadius = 2.5;
constexpr double kDotReach = 4.0;
// The ring around a small country.
constexpr double kMarkerRadius = 8.0;
// The shown country: the picture half way to white, and an outline that stands out on every
// colour of the picture and of the night, white on a dark halo.
constexpr int kLitOpacity = 128;
const QColor kOutline(Qt::white);
const QColor kOutlineHalo(0x20, 0x20, 0x20);

// The square within reach of a point: a dot's, or the pointer's.
QRect reachOf(QPointF point)
{
    return QRectF(point - QPointF(kDotReach, kDotReach), QSizeF(2 * kDotReach, 2 * kDotReach))
        .toAlignedRect();
}

} // namespace

MapWidget::MapWidget(Form1 &form, localtime::MinuteClock &clock,
                     const localtime::LocalTimeReadout &readout, const geo::CountryOnMap &country,
                     QWidget *parent)
    : QLabel(parent)
    , m_form(form)
    , m_clock(clock)
    , m_readout(readout)
    , m_country(country)
{
    m_counts.fill(-1);
    // Nothing of the sun or the zones before the clock starts, after the first paint.
    connect(&clock, &localtime::MinuteClock::ticked, this, &MapWidget::shadeFor);
    connect(&readout, &localtime::LocalTimeReadout::changed, this, &MapWidget::placeDots);
    connect(&country, &geo::CountryOnMap::changed, this, &MapWidget::outlineCountry);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleDescription(map::columnDescription(m_focusZone, entryCount(m_focusZone)));
}

QRectF MapWidget::pictureRect() const
{
    return QRectF(contentsRect().topLeft(), pixmap().deviceIndependentSize());
}

QRect MapWidget::bandRect() const
{
    // Whole pixels, so that the shade is drawn unscaled, pixel on pixel.
    const QRectF picture = pictureRect();
    const int top = qRound(picture.top() + picture.height() * geo::kBandTop);
    const int bottom = qRound(picture.top() + picture.height() * geo::kBandBottom);
    return QRect(qRound(picture.left()), top, qRound(picture.width()), bottom - top);
}

void MapWidget::shadeFor(const QDateTime &instant)
{
    const QRect band = bandRect();
    const qreal ratio = devicePixelRatioF();
    const QSize size = (QSizeF(band.size()) * ratio).toSize();
    if (size.isEmpty() || !instant.isValid()) {
        m_shade = QImage();
    } else {
        // Black of the shade's opacity, in the format the screen blends fastest.
        m_shade = QImage(size, QImage::Format_ARGB32_Premultiplied);
        sun::shadeBand(sun::sunAt(instant.toMSecsSinceEpoch()),
                       std::span<quint32>(reinterpret_cast<quint32 *>(m_shade.bits()),
                                          size_t(m_shade.sizeInBytes()) / sizeof(quint32)),
                       size.width(), size.height(),
                       m_shade.bytesPerLine() / qsizetype(sizeof(quint32)));
        m_shade.setDevicePixelRatio(ratio);
    }
    update(band);
}

void MapWidget::placeDots()
{
    const auto repaint = [this] {
        for (const std::optional<QPointF> &dot : m_dots) {
            if (dot)
                update(reachOf(*dot));
        }
    };
    repaint();
    m_dots.clear();
    const QRectF picture = pictureRect();
    for (const localtime::Readout::Spot &spot : m_readout.spots()) {
        // A place off the map keeps its slot, empty, so that dots and spots stay in step.
        const std::optional<geo::PicturePoint> at = geo::picturePoint(spot.place);
        m_dots.push_back(at ? std::optional(QPointF(picture.left() + at->x * picture.width(),
                                                    picture.top() + at->y * picture.height()))
                            : std::nullopt);
    }
    repaint();
}

void MapWidget::outlineCountry()
{
    // What was drawn last is repainted away, and what is drawn now: ring by ring, so that the sea
    // between them (Alaska, Hawaii and the states between) is left as it is.
    update(m_countryRegion);
    m_countryArea = QPainterPath();
    m_countryArea.setFillRule(Qt::OddEvenFill); // holes stay unlit
    m_countryRegion = QRegion();
    const auto margin = [](const QRectF &rect, double reach) {
        return rect.adjusted(-reach, -reach, reach, reach).toAlignedRect();
    };
    const QRectF picture = pictureRect();
    const auto onWidget = [&picture](geo::PicturePoint point) {
        return QPointF(picture.left() + point.x * picture.width(),
                       picture.top() + point.y * picture.height());
    };
    for (const std::vector<geo::PicturePoint> &ring : m_country.rings()) {
        QPolygonF polygon;
        polygon.reserve(qsizetype(ring.size()) + 1);
        for (const geo::PicturePoint &point : ring)
            polygon.append(onWidget(point));
        polygon.append(polygon.front());
        m_countryArea.addPolygon(polygon);
        m_countryRegion += margin(polygon.boundingRect(), 2);
    }
    m_marker = m_country.marker() ? std::optional(onWidget(*m_country.marker())) : std::nullopt;
    if (m_marker)
        m_countryRegion += margin(QRectF(*m_marker, QSizeF()), kMarkerRadius + 2);
    m_countryRegion &= bandRect();
    drawCountryLayers();
    update(m_countryRegion);
}

void MapWidget::drawCountryLayers()
{
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
}

QString MapWidget::countryNameAt(QPointF position) const
{
    // Inside the ring around the shown country, that country; elsewhere the one whose area holds
    // the place under the pointer.
    QString code;
    if (m_marker && QLineF(*m_marker, position).length() <= kMarkerRadius) {
        code = m_country.markedCode();
    } else if (bandRect().contains(position.toPoint())) {
        const QRectF picture = pictureRect();
        const geo::GeoPoint place
            = geo::geoPoint({(position.x() - picture.left()) / picture.width(),
                             (position.y() - picture.top()) / picture.height()});
        if (const geo::CountryOutline *country = geo::CountryOutlines::builtIn().at(place))
            code = country->code;
    }
    if (code.isEmpty())
        return {};
    const QString name = facts::germanName(code);
    return name.isEmpty() ? code : QStringLiteral("%1 (%2)").arg(name, code);
}

void MapWidget::drawCountry(QPainter &painter) const
{
    // One device pixel wide at any density, on a dark halo a device pixel wider on every side:
    // cosmetic pens one device pixel wide, which Qt draws as lines rather than stroking a shape,
    // the halo four times, a device pixel up, down, left and right.
    QPen pen(kOutlineHalo, 1);
    pen.setCosmetic(true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    const qreal pixel = 1.0 / devicePixelRatioF();
    for (const QPointF shift :
         {QPointF(pixel, 0), QPointF(-pixel, 0), QPointF(0, pixel), QPointF(0, -pixel)}) {
        painter.translate(shift);
        painter.drawPath(m_countryArea);
        if (m_marker)
            painter.drawEllipse(*m_marker, kMarkerRadius, kMarkerRadius);
        painter.translate(-shift);
    }
    pen.setColor(kOutline);
    painter.setPen(pen);
    painter.drawPath(m_countryArea);
    if (m_marker)
        painter.drawEllipse(*m_marker, kMarkerRadius, kMarkerRadius);
}

const localtime::Readout::Spot *MapWidget::spotAt(QPointF position) const
{
    const std::vector<localtime::Readout::Spot> &spots = m_readout.spots();
    const localtime::Readout::Spot *nearest = nullptr;
    double nearestDistance = kDotReach;
    for (size_t i = 0; i < m_dots.size() && i < spots.size(); ++i) {
        if (!m_dots[i])
            continue;
        const QPointF apart = *m_dots[i] - position;
        const double distance = std::hypot(apart.x(), apart.y());
        if (distance <= nearestDistance) {
            nearest = &spots[i];
            nearestDistance = distance;
        }
    }
    return nearest;
}

float MapWidget::twipsFromPictureLeft(QPointF position) const
{
    return float((position.x() - contentsRect().left()) * kTwipsPerPixel);
}

std::optional<qint16> MapWidget::zoneAt(QPointF position) const
{
    return m_form.columnAt(twipsFromPictureLeft(position));
}

QRect MapWidget::columnRect(qint16 zone) const
{
    const QRect inside = contentsRect();
    const map::PixelSpan span = m_form.columnPixels(zone, inside.width());
    return QRect(inside.left() + span.first, inside.top(), span.last - span.first + 1,
                 inside.height())
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
            QString text = map::columnToolTip(*zone, m_clock.instant(), entryCount(*zone));
            QRect area = columnRect(*zone);
            // Before the column's line, the country there, and before that a dot's zone.
            const QString country = countryNameAt(help->pos());
            if (!country.isEmpty()) {
                text.prepend(country + u'\n');
                area = reachOf(help->pos());
            }
            if (const localtime::Readout::Spot *spot = spotAt(help->pos())) {
                text.prepend(spot->line + u'\n');
                area = reachOf(help->pos());
            }
            QToolTip::showText(help->globalPos(), text, this, area);
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

void MapWidget::wheelEvent(QWheelEvent *event)
{
    // Some platforms turn the wheel with Shift into a sideways one.
    const QPoint delta = event->angleDelta();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int hours = m_wheel.hoursFor(delta.y() != 0 ? delta.y() : delta.x(), shift);
    if (hours != 0)
        m_clock.shiftBy(hours);
    event->accept();
}

void MapWidget::keyPressEvent(QKeyEvent *event)
{
    if (moveShownTime(m_clock, event->key(), event->modifiers()))
        return;
    if (const std::optional<qint16> zone = map::zoneAfterKey(m_focusZone, event->key())) {
        setFocusZone(*zone);
        return;
    }
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        // Exactly a left-button press in the middle of the focus column.
        if (const std::optional<float> middle = m_form.columnMiddle(m_focusZone))
            m_form.Picture1.raiseMouseDown(kLeftButton, 0, *middle, m_form.Picture1.Height() / 2);
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
        painter.fillRect(columnRect(*m_hoverZone), light);
    }
    if (hasFocus()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter.fillRect(columnRect(m_focusZone), highlight);
    }
    if (!m_dots.empty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
        painter.setBrush(Qt::white);
        for (const std::optional<QPointF> &dot : m_dots) {
            if (dot)
                painter.drawEllipse(*dot, kDotRadius, kDotRadius);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus())
        drawFocusFrame(this, painter, contentsRect());
}

} // namespace orbisco::ui
