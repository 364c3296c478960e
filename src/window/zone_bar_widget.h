// The zone bar: a thin green bar that lies over the map. It adds to QWidget only that it keeps
// every press on it to itself: a press on the bar is the bar's and lists nothing, as the map
// never sees it.
#pragma once

#include <QWidget>

namespace orbisco::ui {

class ZoneBarWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZoneBarWidget(QWidget *map);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace orbisco::ui
