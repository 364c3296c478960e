#include "window/zone_bar_widget.h"

#include <QMouseEvent>

namespace orbisco::ui {

ZoneBarWidget::ZoneBarWidget(QWidget *map)
    : QWidget(map)
{
    setAutoFillBackground(true);
}

void ZoneBarWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ZoneBarWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ZoneBarWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace orbisco::ui
