// The world map: the map picture in a sunken 2-pixel frame, made usable by mouse, keyboard and
// screen reader. It adds to QLabel:
// - every mouse press, of any button, goes to the form as the map's MouseDown;
// - with the pointer over it, the column a press there would take is lightly highlighted and a
//   tool tip names it ("UTC+5 · 19:32 · 8 Länder"); nothing else changes before a press;
// - with the focus, a focus frame and a focus column, moved by Left, Right, Home and End; Space
//   and Return press the middle of that column, through the same MouseDown;
// - the focus column as accessible description ("UTC+5, 8 Länder"), which Qt announces.
// Which column a position or key means, and what a column lists, the core decides.
#pragma once

#include "localtime/local_time_readout.h"

#include <QLabel>

#include <array>
#include <optional>

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class MapWidget : public QLabel
{
public:
    // clock: UTC now, for the time of a column.
    MapWidget(Form1 &form, localtime::LocalTimeReadout::Clock clock, QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Twips from the picture's left edge, as a press at this widget position reports them.
    float twipsFromPictureLeft(QPointF position) const;
    std::optional<qint16> zoneAt(QPointF position) const;
    // The widget pixels whose presses the column takes.
    QRect columnRect(qint16 zone) const;
    int entryCount(qint16 zone);
    void setHoverZone(std::optional<qint16> zone);
    void setFocusZone(qint16 zone);

    Form1 &m_form;
    localtime::LocalTimeReadout::Clock m_clock;
    qint16 m_focusZone = 0;
    std::optional<qint16> m_hoverZone;
    std::array<int, 24> m_counts; // entries a press lists, per column; -1 until first asked
};

} // namespace orbisco::ui
