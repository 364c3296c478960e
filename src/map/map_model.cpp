#include "map/map_model.h"

#include "app/form1.h"
#include "controls/window_layout.h"
#include "map/column_info.h"
#include "map/zone_geometry.h"

#include <QLineF>

#include <cmath>

namespace orbisco::map {

namespace {

QRect grown(const QRectF &rect, double reach)
{
    return rect.adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

} // namespace

MapModel::MapModel(const Form1 &form, const localtime::MinuteClock &clock,
                   const localtime::LocalTimeReadout &readout, const geo::CountryOnMap &country,
                   Names names, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_clock(clock)
    , m_readout(readout)
    , m_country(country)
    , m_names(std::move(names))
{
    connect(&readout, &localtime::LocalTimeReadout::changed, this, &MapModel::placeDots);
    connect(&country, &geo::CountryOnMap::changed, this, &MapModel::placeCountry);
}

void MapModel::setInside(const QRect &inside)
{
    if (inside == m_inside)
        return;
    m_inside = inside;
    placeDots();
    placeCountry();
}

QRectF MapModel::pictureRect() const
{
    return QRectF(m_inside.topLeft(), QSizeF(geo::kPictureWidth, geo::kPictureHeight));
}

QRect MapModel::bandRect() const
{
    // Whole pixels, so that the shade is drawn unscaled, pixel on pixel.
    const QRectF picture = pictureRect();
    const int top = qRound(picture.top() + picture.height() * geo::kBandTop);
    const int bottom = qRound(picture.top() + picture.height() * geo::kBandBottom);
    return QRect(qRound(picture.left()), top, qRound(picture.width()), bottom - top);
}

QPointF MapModel::toWidget(geo::PicturePoint point) const
{
    const QRectF picture = pictureRect();
    return {picture.left() + point.x * picture.width(), picture.top() + point.y * picture.height()};
}

geo::PicturePoint MapModel::toPicture(QPointF position) const
{
    const QRectF picture = pictureRect();
    return {(position.x() - picture.left()) / picture.width(),
            (position.y() - picture.top()) / picture.height()};
}

std::optional<qint16> MapModel::zoneAt(QPointF position) const
{
    return m_form.columnAt(pressAt(position).x);
}

QRect MapModel::columnRect(qint16 zone) const
{
    const PixelSpan span
        = columnPixels(zone, m_inside.width(), [this](float x) { return m_form.columnAt(x); });
    return QRect(m_inside.left() + span.first, m_inside.top(), span.last - span.first + 1,
                 m_inside.height())
        .intersected(m_inside);
}

int MapModel::entryCount(qint16 zone) const
{
    return m_form.zoneEntryCount(zone);
}

QString MapModel::columnDescription(qint16 zone) const
{
    return map::columnDescription(zone, entryCount(zone));
}

qint16 MapModel::firstFocusZone() const
{
    return m_form.markedZone().value_or(0);
}

MapModel::Press MapModel::pressAt(QPointF position) const
{
    return {float(ui::toTwips(position.x() - m_inside.left())),
            float(ui::toTwips(position.y() - m_inside.top()))};
}

std::optional<MapModel::Press> MapModel::keyPress(qint16 zone) const
{
    const std::optional<float> middle = m_form.columnMiddle(zone);
    if (!middle)
        return std::nullopt;
    return Press{*middle, m_form.Picture1.Height() / 2};
}

MapModel::KeyAction MapModel::keyAction(qint16 focusZone, int qtKey) const
{
    if (const std::optional<qint16> zone = zoneAfterKey(focusZone, qtKey))
        return {zone, std::nullopt, true};
    if (qtKey == Qt::Key_Space || qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        return {std::nullopt, keyPress(focusZone), true};
    return {};
}

QRect MapModel::reachOf(QPointF point) const
{
    return grown(QRectF(point, QSizeF()), kDotReach);
}

void MapModel::placeDots()
{
    std::vector<QRect> repaint;
    for (const std::optional<QPointF> &dot : m_dots) {
        if (dot)
            repaint.push_back(reachOf(*dot));
    }
    m_dots.clear();
    for (const localtime::Readout::Spot &spot : m_readout.spots()) {
        // A place off the map keeps its slot, empty, so that dots and spots stay in step.
        const std::optional<geo::PicturePoint> at = geo::picturePoint(spot.place);
        m_dots.push_back(at ? std::optional(toWidget(*at)) : std::nullopt);
        if (m_dots.back())
            repaint.push_back(reachOf(*m_dots.back()));
    }
    emit dotsChanged(repaint);
}

const localtime::Readout::Spot *MapModel::spotAt(QPointF position) const
{
    const std::vector<localtime::Readout::Spot> &spots = m_readout.spots();
    const localtime::Readout::Spot *nearest = nullptr;
    double nearestDistance = kDotReach;
    for (size_t i = 0; i < m_dots.size() && i < spots.size(); ++i) {
        if (!m_dots[i])
            continue;
        const double distance = QLineF(*m_dots[i], position).length();
        if (distance <= nearestDistance) {
            nearest = &spots[i];
            nearestDistance = distance;
        }
    }
    return nearest;
}

void MapModel::placeCountry()
{
    // What was drawn last is painted anew, and what is drawn now: ring by ring, so that the sea
    // between them (Alaska, Hawaii and the states between) is left as it is.
    std::vector<QRect> repaint = m_cover;
    m_rings.clear();
    m_cover.clear();
    const QRect band = bandRect();
    const auto cover = [&](const QRect &rect) {
        const QRect onBand = rect.intersected(band);
        if (!onBand.isEmpty())
            m_cover.push_back(onBand);
    };
    const geo::CountryShape &shape = m_country.shape();
    for (const std::vector<geo::PicturePoint> &ring : shape.rings) {
        std::vector<QPointF> points;
        points.reserve(ring.size());
        double left = qInf(), right = -qInf(), top = qInf(), bottom = -qInf();
        for (const geo::PicturePoint &point : ring) {
            const QPointF at = toWidget(point);
            left = std::min(left, at.x());
            right = std::max(right, at.x());
            top = std::min(top, at.y());
            bottom = std::max(bottom, at.y());
            points.push_back(at);
        }
        if (points.empty())
            continue;
        cover(grown(QRectF(QPointF(left, top), QPointF(right, bottom)), kOutlineReach));
        m_rings.push_back(std::move(points));
    }
    m_marker = shape.marker ? std::optional(toWidget(*shape.marker)) : std::nullopt;
    if (m_marker)
        cover(grown(QRectF(*m_marker, QSizeF()), kMarkerRadius + kOutlineReach));
    repaint.insert(repaint.end(), m_cover.begin(), m_cover.end());
    emit countryChanged(repaint);
}

QString MapModel::countryNameAt(QPointF position) const
{
    QString code;
    if (m_marker && QLineF(*m_marker, position).length() <= kMarkerRadius) {
        code = m_country.shape().markedCode;
    } else if (bandRect().contains(position.toPoint())) {
        const geo::GeoPoint place = geo::geoPoint(toPicture(position));
        if (const geo::CountryOutline *country = m_country.outlines().at(place))
            code = country->code;
    }
    if (code.isEmpty())
        return {};
    const QString name = m_names ? m_names(code) : QString();
    return name.isEmpty() ? code : QStringLiteral("%1 (%2)").arg(name, code);
}

std::optional<MapModel::ToolTip> MapModel::toolTipAt(QPointF position) const
{
    const std::optional<qint16> zone = zoneAt(position);
    if (!zone)
        return std::nullopt;
    ToolTip tip{columnToolTip(*zone, m_clock.instant(), entryCount(*zone)), columnRect(*zone)};
    // Before the column's line, the country there, and before that a dot's zone.
    const QString country = countryNameAt(position);
    if (!country.isEmpty()) {
        tip.text.prepend(country + u'\n');
        tip.area = reachOf(position);
    }
    if (const localtime::Readout::Spot *spot = spotAt(position)) {
        tip.text.prepend(spot->line + u'\n');
        tip.area = reachOf(position);
    }
    return tip;
}

} // namespace orbisco::map
