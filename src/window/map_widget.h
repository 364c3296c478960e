// The world map: the map picture in a sunken 2-pixel frame, made usable by mouse, keyboard and
// screen reader. It adds to QLabel:
// - every mouse press, of any button, goes to the form as the map's MouseDown;
// - with the pointer over it, the column a press there would take is lightly highlighted and a
//   tool tip tells of it; nothing else changes before a press;
// - with the focus, a focus frame and a focus column, moved by Left, Right, Home and End; Space
//   and Return press the middle of that column, through the same MouseDown;
// - the focus column as accessible description ("UTC+5, 8 Länder"), which Qt announces;
// - night and twilight laid over the picture where the sun is down, renewed with the window's
//   clock, whose shown time Page Up, Page Down and J move with the focus here, and the wheel
//   with the pointer here;
// - a dot at the place of each zone of the shown country;
// - the shown country's area lit, under the night's shade, and its outline over it; a ring
//   around a country too small to see.
// Which column a position or key means, what a press reports, where the dots and the country lie
// and what the tool tip says, the map's model decides (map/map_model.h); how dark each place is,
// the sun's shade (sun/daylight.h). This paints what they say and forwards the input.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPainterPath>
#include <QRegion>

#include <optional>
#include <vector>

namespace orbisco {
struct ShownTime;
}

namespace orbisco::map {
class MapModel;
}

namespace orbisco::viewmodel {
class WindowModel;
}

namespace orbisco::ui {

class MapWidget : public QLabel
{
    Q_OBJECT

public:
    MapWidget(viewmodel::WindowModel &model, QWidget *parent);

    // The picture's rectangle in the widget, and the map band's within it.
    QRectF pictureRect() const;
    QRect bandRect() const;
    // Where the dots of the shown country's zones stand, in widget coordinates, one per zone with
    // a place; empty for a place off the map.
    const std::vector<std::optional<QPointF>> &dots() const;
    // The shown country's area in widget coordinates, and the ring around a small one: its
    // centre, empty for none.
    const QPainterPath &countryArea() const { return m_countryArea; }
    const std::optional<QPointF> &countryMarker() const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setHoverZone(std::optional<qint16> zone);
    void setFocusZone(qint16 zone);
    void shadeFor(const ShownTime &time);
    void updateAreas(const std::vector<QRect> &areas);
    void outlineCountry(const std::vector<QRect> &repaint);
    void drawCountry(QPainter &painter) const;

    viewmodel::WindowModel &m_model;
    map::MapModel &m_map;
    QPainterPath m_countryArea;
    QRegion m_countryRegion; // what the area, its outline and its ring cover on the band
    QImage m_litLayer;       // over its region's bounding rectangle, under the shade
    QImage m_outlineLayer;   // the same, over the shade
    QImage m_shade;          // the band's darkness at the last tick, black of varying opacity
    qint16 m_focusZone = 0;
    std::optional<qint16> m_hoverZone;
};

} // namespace orbisco::ui
