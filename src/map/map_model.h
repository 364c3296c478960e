#pragma once

#include "geo/country_on_map.h"
#include "geo/projection.h"
#include "localtime/local_time_readout.h"
#include "localtime/minute_clock.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace orbisco {
class Form1;
}

namespace orbisco::map {

// The world map as the window shows it, with no display: where the picture stands in the widget
// and what every position and key on it means. The widget hands it where the map's inside (the
// picture, inside the frame) lies, in logical pixels, and asks it: which column a position is in
// and which pixels a column covers, what a press there reports to the form, where the shown
// country's dots and area lie, which dot and which country are under the pointer, and what the
// tool tip says. The widget only paints what it is told and forwards input.
class MapModel : public QObject
{
    Q_OBJECT

public:
    using Names = std::function<QString(QStringView code)>;

    // The dots: about 5 pixels across, taken by the pointer within 4 pixels; the ring around a
    // small country; how far the outline's halo reaches beyond the area.
    static constexpr double kDotRadius = 2.5;
    static constexpr double kDotReach = 4.0;
    static constexpr double kMarkerRadius = 8.0;
    static constexpr double kOutlineReach = 2.0;

    // clock: the window's clock, for a column's time; readout: the shown country's zones and their
    // lines; country: where the shown country lies, and the outlines that tell which country lies
    // where; names: a country's name by its code.
    MapModel(const Form1 &form, const localtime::MinuteClock &clock,
             const localtime::LocalTimeReadout &readout, const geo::CountryOnMap &country,
             Names names, QObject *parent = nullptr);

    // Where the map's inside lies in the widget; the picture fills it from its top-left corner.
    void setInside(const QRect &inside);
    const QRect &inside() const { return m_inside; }
    // The picture's rectangle in the widget, and the map band's within it in whole pixels.
    QRectF pictureRect() const;
    QRect bandRect() const;
    // A place of the picture in the widget, and back.
    QPointF toWidget(geo::PicturePoint point) const;
    geo::PicturePoint toPicture(QPointF position) const;

    // The column a press at this widget position takes, and the widget pixels whose presses
    // zone's column takes.
    std::optional<qint16> zoneAt(QPointF position) const;
    QRect columnRect(qint16 zone) const;
    // How many entries a press on zone's column lists.
    int entryCount(qint16 zone) const;
    // What a screen reader hears of a focus column: "UTC+5, 8 Länder".
    QString columnDescription(qint16 zone) const;
    // Where the focus column starts: at the column the arrow marks, else UTC±0.
    qint16 firstFocusZone() const;

    // Where a press reports itself to the form: twips from the map's inside top-left corner.
    struct Press
    {
        float x = 0;
        float y = 0;
    };
    Press pressAt(QPointF position) const;
    // The press that Space or Return on a focus column makes: in the column's middle, half way
    // down; none where the map has no columns.
    std::optional<Press> keyPress(qint16 zone) const;
    // What a key does with the focus on the map, its focus column being focusZone: Left, Right,
    // Home and End move the focus column (map/column_info.h); Space, Return and Enter press it.
    // Neither for any other key, which is not the map's.
    struct KeyAction
    {
        std::optional<qint16> focus;
        std::optional<Press> press;
        bool taken = false;
    };
    KeyAction keyAction(qint16 focusZone, int qtKey) const;

    // Where the dots of the shown country's zones stand, one per zone with a place (the spots of
    // the local time, in order); empty for a place off the map.
    const std::vector<std::optional<QPointF>> &dots() const { return m_dots; }
    // The spot of the dot nearest a position, within the pointer's reach; null for none.
    const localtime::Readout::Spot *spotAt(QPointF position) const;

    // The shown country's rings in the widget, holes among them; the centre of the ring around a
    // small one; and the rectangles that its area, outline and ring cover on the band.
    const std::vector<std::vector<QPointF>> &countryRings() const { return m_rings; }
    const std::optional<QPointF> &countryMarker() const { return m_marker; }
    const std::vector<QRect> &countryCover() const { return m_cover; }
    // "Deutschland (DE)": the country under a position (inside the ring around a small shown
    // country, that country); empty over the sea and off the map band.
    QString countryNameAt(QPointF position) const;

    // What the pointer's tool tip says at a position, a line each: the nearest dot's zone, the
    // country there, the column ("UTC+5 · 19:32 · 8 Länder"); and where the pointer may move
    // without it changing. None off the columns.
    struct ToolTip
    {
        QString text;
        QRect area;
    };
    std::optional<ToolTip> toolTipAt(QPointF position) const;

signals:
    // The dots or the shown country have moved: what has to be painted anew, where they were and
    // where they are.
    void dotsChanged(const std::vector<QRect> &repaint);
    void countryChanged(const std::vector<QRect> &repaint);

private:
    void placeDots();
    void placeCountry();
    QRect reachOf(QPointF point) const;

    const Form1 &m_form;
    const localtime::MinuteClock &m_clock;
    const localtime::LocalTimeReadout &m_readout;
    const geo::CountryOnMap &m_country;
    Names m_names;
    QRect m_inside;
    std::vector<std::optional<QPointF>> m_dots;
    std::vector<std::vector<QPointF>> m_rings;
    std::optional<QPointF> m_marker;
    std::vector<QRect> m_cover;
};

} // namespace orbisco::map
