// The world map: the map picture in a sunken 2-pixel frame, made usable by mouse, keyboard and
// screen reader. It adds to QLabel:
// - every mouse press, of any button, goes to the form as the map's MouseDown;
// - with the pointer over it, the column a press there would take is lightly highlighted and a
//   tool tip names it ("UTC+5 · 19:32 · 8 Länder"); nothing else changes before a press;
// - with the focus, a focus frame and a focus column, moved by Left, Right, Home and End; Space
//   and Return press the middle of that column, through the same MouseDown;
// - the focus column as accessible description ("UTC+5, 8 Länder"), which Qt announces;
// - night and twilight laid over the picture where the sun is down, renewed with the window's
//   minute clock, whose shown time Page Up, Page Down and J move with the focus here, and the
//   wheel with the pointer here;
// - a dot at the place of each zone of the shown country; the tool tip near a dot starts with
//   the zone's line from the local-time read-out (its time and the sun there);
// - the shown country's area lit, under the night's shade, and its outline over it; a ring
//   around a country too small to see; the tool tip names the country under the pointer.
// Which column a position or key means, what a column lists, how dark a place is and where a
// place lies on the picture, the core decides.
#pragma once

#include "geo/country_on_map.h"
#include "localtime/local_time_readout.h"
#include "localtime/minute_clock.h"
#include "map/zone_geometry.h"

#include <QImage>
#include <QLabel>
#include <QPainterPath>
#include <QRegion>

#include <array>
#include <optional>
#include <vector>

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class MapWidget : public QLabel
{
    Q_OBJECT

public:
    // clock: the window's minute clock, for the time of a column and the sun; readout: the shown
    // country's zones with their places and lines; country: where the shown country lies.
    MapWidget(Form1 &form, localtime::MinuteClock &clock,
              const localtime::LocalTimeReadout &readout, const geo::CountryOnMap &country,
              QWidget *parent);

    // The picture's rectangle in the widget, and the map band's within it.
    QRectF pictureRect() const;
    QRect bandRect() const;
    // Where the dots of the shown country's zones stand, in widget coordinates, one per zone with
    // a place; empty for a place off the map.
    const std::vector<std::optional<QPointF>> &dots() const { return m_dots; }
    // The shown country's area in widget coordinates, and the ring around a small one: its
    // centre, empty for none.
    const QPainterPath &countryArea() const { return m_countryArea; }
    const std::optional<QPointF> &countryMarker() const { return m_marker; }

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Twips from the picture's left edge, as a press at this widget position reports them.
    float twipsFromPictureLeft(QPointF position) const;
    // The column a press at this widget position takes.
    std::optional<qint16> zoneAt(QPointF position) const;
    // The widget pixels whose presses the column takes.
    QRect columnRect(qint16 zone) const;
    int entryCount(qint16 zone);
    void setHoverZone(std::optional<qint16> zone);
    void setFocusZone(qint16 zone);
    void shadeFor(const QDateTime &instant);
    void placeDots();
    // The shown country's zone whose dot is nearest a position, within reach of the pointer.
    const localtime::Readout::Spot *spotAt(QPointF position) const;
    void outlineCountry();
    // "Deutschland (DE)": the country at a position; empty over the sea.
    QString countryNameAt(QPointF position) const;
    void drawCountry(QPainter &painter) const;
    void drawCountryLayers();

    Form1 &m_form;
    localtime::MinuteClock &m_clock;
    localtime::WheelSteps m_wheel;
    const localtime::LocalTimeReadout &m_readout;
    const geo::CountryOnMap &m_country;
    QPainterPath m_countryArea;
    std::optional<QPointF> m_marker;
    QRegion m_countryRegion; // what the area, its outline and its ring cover on the band
    QImage m_litLayer;       // over its region's bounding rectangle, under the shade
    QImage m_outlineLayer;   // the same, over the shade
    QImage m_shade;          // the band's darkness at the last tick, black of varying opacity
    std::vector<std::optional<QPointF>> m_dots; // one per spot of the readout
    qint16 m_focusZone = 0;
    std::optional<qint16> m_hoverZone;
    std::array<int, map::kZoneColumns> m_counts; // entries a press lists; -1 until first asked
};

} // namespace orbisco::ui
